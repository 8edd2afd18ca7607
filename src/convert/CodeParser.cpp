#include "convert/CodeParser.h"

#include <algorithm>

#include "base/Arith.h"

namespace codelume {
namespace {

constexpr size_t InitialOutputSize = 10000;
constexpr uint8_t FirstPrintable = 32;
constexpr int64_t MaxReserve = int64_t{1} << 30;

bool IsPrintable(uint8_t c) { return c >= FirstPrintable; }

void AppendCharCode(std::string& out, uint8_t code) {
    out += '#';
    if (code >= 10) out += static_cast<char>('0' + code / 10);
    out += static_cast<char>('0' + code % 10);
}

}  // namespace

TCodeParser::TCodeParser(TStream& input, TStream& output)
    : TNewParser(input), InputStream(input), OutputStream(output) {
    OutputText.resize(InitialOutputSize);
    OutputText.clear();
}

void TCodeParser::SelectKeywords(TKeywordSet kind) {
    switch (kind) {
        case ksPascal:
            Keywords = &PascalKeywords;
            return;
        case ksForm:
            Keywords = &FormKeywords;
            return;
    }
    throw ECodelumeError("Undefined keywords type");
}

void TCodeParser::ConvertSource() {
    ReserveOutput();
    BeginDocument();
    OutputLine = 1;
    OutputPos = 0;
    while (TokenKind() != TokEnd) {
        if (LineNumber() != OutputLine || TokenOffset() != OutputPos) WriteLayout();
        WriteToken();
        // The output now stands where the token ends in the source; a
        // comment's own line breaks are in its text.
        OutputLine = TokenEndLine();
        OutputPos = CheckedAdd(TokenOffset(), TokenLength());
        ReadToken();
    }
    EndDocument();
    OutputStream.WriteBuffer(OutputText.data(), CheckedNarrow(static_cast<int64_t>(OutputText.size())));
}

// Room for the whole page at once: a page is about one and a half times its
// source. Pages that are not touched cost no memory, and a larger page grows.
void TCodeParser::ReserveOutput() {
    int64_t size = InputStream.Size();
    if (size > 0) OutputText.reserve(static_cast<size_t>(std::min<int64_t>(size + size / 2, MaxReserve)));
}

// Line breaks up to the token's line, then spaces up to its column.
void TCodeParser::WriteLayout() {
    if (LineNumber() > OutputLine) {
        for (int32_t line = OutputLine; line < LineNumber(); ++line) OutputText.append("\r\n", 2);
        OutputLine = LineNumber();
        OutputPos = TokenLineStart();
    }
    int32_t spaces = TokenOffset() - OutputPos;
    if (spaces == 1)
        OutputText += ' ';
    else if (spaces > 0)
        OutputText.append(static_cast<size_t>(spaces), ' ');
}

void TCodeParser::WriteToken() {
    switch (TokenKind()) {
        case TokIdentifier:
            WriteIdentifier();
            break;
        case TokString:
            WriteStringLiteral();
            break;
        case TokInteger:
        case TokFloat:
            OutputText += TokenView();
            break;
        case TokComment:
            WriteComment();
            break;
        default:
            AppendConverted(OutputText, TokenView());
            break;
    }
}

void TCodeParser::WriteIdentifier() {
    if (Keywords->IndexOf(TokenView()) >= 0) {
        BeginKeyword();
        OutputText += TokenView();
        EndKeyword();
    } else {
        OutputText += TokenView();
    }
}

void TCodeParser::WriteStringLiteral() {
    BeginString();
    std::string_view text = TokenView();
    if (text.size() == 1 && !IsPrintable(static_cast<uint8_t>(text[0])))
        AppendCharCode(OutputText, static_cast<uint8_t>(text[0]));
    else
        OutputText += ConvertStringLiteral(text);
    EndString();
}

void TCodeParser::WriteComment() {
    BeginComment();
    OutputText += ConvertComment(TokenView());
    EndComment();
}

std::string TCodeParser::ConvertChar(uint8_t ch) { return std::string(1, static_cast<char>(ch)); }

void TCodeParser::AppendConverted(std::string& out, std::string_view bytes) {
    for (char c : bytes) out += ConvertChar(static_cast<uint8_t>(c));
}

std::string TCodeParser::ConvertComment(std::string_view text) {
    std::string result;
    AppendConverted(result, text);
    return result;
}

// Quoted runs for printable bytes (apostrophes doubled), #n for control
// characters between them.
std::string TCodeParser::ConvertStringLiteral(std::string_view text) {
    if (text.empty()) return "''";
    std::string result;
    bool quoted = false;
    size_t run = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        uint8_t c = i < text.size() ? static_cast<uint8_t>(text[i]) : 0;
        bool printable = i < text.size() && IsPrintable(c);
        if (printable && c != '\'') continue;
        if (i > run) {
            if (!quoted) result += '\'';
            AppendConverted(result, text.substr(run, i - run));
            quoted = true;
        }
        run = i + 1;
        if (i == text.size()) break;
        if (c == '\'') {
            if (!quoted) result += '\'';
            result += "''";
            quoted = true;
            continue;
        }
        if (quoted) result += '\'';
        quoted = false;
        AppendCharCode(result, c);
    }
    if (quoted) result += '\'';
    return result;
}

}  // namespace codelume
