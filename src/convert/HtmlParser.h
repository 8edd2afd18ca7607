// THtmlParser fills the converter's hooks with HTML: bold reserved words,
// navy italic comments, the four reserved characters escaped, and the page
// frame around one preformatted block.
#pragma once

#include <string>
#include <string_view>

#include "convert/CodeParser.h"

namespace codelume {

// The line in every page's head that names the program that wrote it.
inline constexpr std::string_view PageGenerator =
    R"(<META NAME="GENERATOR" CONTENT="Tidequill[Vannory]">)";

class THtmlParser : public TCodeParser {
public:
    using TCodeParser::TCodeParser;

    // The head of a complete page, up to and including the BODY tag.
    static std::string BuildPageHead(const std::string& fileName);
    // The foot of a complete page, from the rule after the block to the end.
    static std::string BuildPageFoot(const std::string& footerText);
    void WriteAnchorHeading(const std::string& fileName);

    std::string FileName;
    std::string FooterText;
    bool FullPage = false;

protected:
    void BeginString() override {}
    void EndString() override {}
    void BeginKeyword() override;
    void EndKeyword() override;
    void BeginComment() override;
    void EndComment() override;
    void BeginDocument() override;
    void EndDocument() override;
    std::string ConvertChar(uint8_t ch) override;
    void AppendConverted(TOutputBuffer& out, std::string_view bytes) override;
};

// Appends bytes with " & < > written as their character references.
void AppendHtmlEscaped(TOutputBuffer& out, std::string_view bytes);

}  // namespace codelume
