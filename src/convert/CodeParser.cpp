#include "convert/CodeParser.h"

#include <algorithm>

#include "base/Arith.h"

namespace codelume {
namespace {

constexpr size_t InitialOutputSize = 10000;
constexpr uint8_t FirstPrintable = 32;
constexpr int64_t MaxReserve = int64_t{1} << 30;

bool IsPrintable(uint8_t c) { return c >= FirstPrintable; }

// Where the run of printable bytes other than the apostrophe ends.
size_t PlainRunEnd(std::string_view text, size_t from) {
    while (from < text.size() && IsPrintable(static_cast<uint8_t>(text[from])) &&
           text[from] != '\'')
        ++from;
    return from;
}

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
    OutputStream.WriteBuffer(OutputText.data(), CheckedLength(OutputText.size()));
}

// Room for the whole page at once, so it is never copied while it grows: a
// page is about one and a half times its source. Reserved bytes that are
// never written take no memory.
void TCodeParser::ReserveOutput() {
    int64_t size = InputStream.Size();
    if (size > 0)
        OutputText.reserve(static_cast<size_t>(std::min<int64_t>(size + size / 2, MaxReserve)));
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
    for (size_t i = 0; i < text.size();) {
        auto c = static_cast<uint8_t>(text[i]);
        if (!IsPrintable(c)) {
            if (quoted) result += '\'';
            quoted = false;
            AppendCharCode(result, c);
            ++i;
            continue;
        }
        if (!quoted) result += '\'';
        quoted = true;
        if (c == '\'') {
            result += "''";
            ++i;
            continue;
        }
        size_t end = PlainRunEnd(text, i);
        AppendConverted(result, text.substr(i, end - i));
        i = end;
    }
    if (quoted) result += '\'';
    return result;
}

}  // namespace codelume
