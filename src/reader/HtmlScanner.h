// The reader's tokenizer: decodes a source's bytes into UTF-8 text once,
// normalises its line ends, skips comments and declarations, and turns the
// characters into symbols with their token text and parsed attributes. Owns
// the decoded text and the attributes of the current tag.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "document/Attributes.h"
#include "document/HtmlSymbols.h"
#include "reader/ByteSource.h"
#include "reader/SymbolTables.h"
#include "reader/TextDecoding.h"

namespace codelume {

class EParseError : public ECodelumeError {
public:
    using ECodelumeError::ECodelumeError;
};

// Answers an include directive <!--#command name="value" ...-->: receives the
// command and its NAME="value" parameters and returns the bytes to read in
// place of the directive (none: nothing is inserted).
using TIncludeType =
    std::function<std::string(const std::string& command, const std::vector<std::string>& params)>;

// One attribute as the scanner reads it; the name is kept for include parameters.
struct TParsedAttribute {
    THtmlSymbol Kind = UnknownAttributeSymbol;
    std::string Name;
    std::string Text;
    int32_t Value = 0;
};

class THtmlScanner {
public:
    static constexpr size_t MaxTokenLength = 150;
    static constexpr size_t MaxRunLength = 100;

    explicit THtmlScanner(std::unique_ptr<TByteSource> source, TIncludeType onInclude = {},
                          TTextKind kind = TTextKind::tkHtml);
    virtual ~THtmlScanner() = default;

    // The character layer: ReadChar normalises line ends and tabs; NextChar
    // also passes over comments, declarations and include directives.
    void ReadChar();
    void NextChar();
    void SkipSpaces();

    // The symbol layer: each leaves CurCh on the first character after the symbol.
    void NextSymbol();
    void NextTextAreaSymbol();
    void NextScriptSymbol();

    char CurCh = 0;
    char UpCh = 0;
    bool CurIsTab = false;  // CurCh is the space a tab became
    THtmlSymbol Sym = EofSymbol;
    std::string Token;
    int32_t HeadingLevel = 0;
    TAttributeList Attributes;
    // The ID of every start tag read since the reader last took them; the
    // reader places them as anchors where the next content goes.
    std::vector<std::string> TagIds;
    bool NoComments = false;
    bool InPre = false;
    bool AfterParagraphSpace = false;

private:
    char ReadSourceChar();
    template <typename TTake>
    std::string_view TakeAhead(TTake take);
    void SkipCommentOrDeclaration();
    void SkipCommentBody();
    void ParseInclude();
    [[noreturn]] void RaiseError() const;

    bool ReadTag();
    void ReadHeadingLevel();
    void ReadTagAttributes(TTagForm form);
    bool ReadAttribute(TParsedAttribute& attribute);
    void ReadQuotedValue(TParsedAttribute& attribute);
    void ReadNumberValue(TParsedAttribute& attribute);
    void ReadBareValue(TParsedAttribute& attribute);
    bool ReadEntity();
    std::string ReadReference();
    std::string ReadNumericReference();
    std::string ReadNamedReference();
    bool ReadTextRun();
    void ReadTextChars();
    void TakePlainChars();
    bool ReadContentBoundary();
    void ReadTextAreaTag();
    void ReadScriptTag();
    void ReadRawRun(std::string_view stops);
    void AppendToken(char c);

    std::string Text;  // the whole source, decoded
    size_t TextPosition = 0;
    TIncludeType OnInclude;
    std::string IncludeBlock;
    size_t IncludePosition = 0;
    bool InInclude = false;
    char PushedBackCh = 0;
    bool InComment = false;
    bool OpenCommentAtEnd = false;  // raised with the symbol after the text before it
};

}  // namespace codelume
