// TCodeParser is the tokenizer of its input and turns the tokens into output
// that keeps the source's layout, with markup from overridable hooks. It
// borrows both streams and a keyword table and owns the output text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Stream.h"
#include "convert/ColumnCounter.h"
#include "convert/Keywords.h"
#include "convert/NewParser.h"
#include "convert/OutputBuffer.h"

namespace codelume {

class TCodeParser : public TNewParser {
public:
    TCodeParser(TStream& input, TStream& output);

    // Fails with "Undefined keywords type" for anything but ksPascal or ksForm.
    void SelectKeywords(TKeywordSet kind);
    // Converts every remaining token and writes the output in one write.
    void ConvertSource();

    std::string_view Output() const { return OutputText.View(); }

protected:
    virtual void BeginString() = 0;
    virtual void EndString() = 0;
    virtual void BeginKeyword() = 0;
    virtual void EndKeyword() = 0;
    virtual void BeginComment() = 0;
    virtual void EndComment() = 0;
    virtual void BeginDocument() = 0;
    virtual void EndDocument() = 0;
    virtual std::string ConvertChar(uint8_t ch);
    // Appends the converted text of a comment: AppendConverted of it.
    virtual void ConvertComment(TOutputBuffer& out, std::string_view text);
    // Appends ConvertChar of every byte of bytes. A subclass that overrides
    // ConvertChar may override this with an equivalent that works on runs.
    virtual void AppendConverted(TOutputBuffer& out, std::string_view bytes);

    TStream& InputStream;
    TStream& OutputStream;
    TOutputBuffer OutputText;
    const TKeywordTable* Keywords = &PascalKeywords;
    int32_t OutputLine = 1;
    int32_t OutputPos = 0;

private:
    TCodeParser(TStream& input, TStream& output, int64_t inputStart);

    void ReserveOutput();
    void WriteLayout();
    void WriteToken();
    void WriteIdentifier();
    void WriteStringLiteral();
    void WriteComment();
    void WriteWhitespace(std::string_view whitespace);

    // Where the input began, for the look at its encoding before the run.
    int64_t InputStart;
    TColumnCounter Columns{TColumnUnit::cuByte};
    std::string Expanded;
    std::string LineBreaks;
};

}  // namespace codelume
