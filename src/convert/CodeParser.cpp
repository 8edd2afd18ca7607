#include "convert/CodeParser.h"

#include <algorithm>

#include "base/Arith.h"

namespace codelume {
namespace {

constexpr size_t InitialOutputSize = 10000;
constexpr int64_t MaxReserve = int64_t{1} << 30;

bool IsLoneLineFeed(std::string_view text, size_t at) {
    return text[at] == '\n' && (at == 0 || text[at - 1] != '\r');
}

// text with every line feed that follows no carriage return written as CR LF:
// text itself when it has none, else scratch filled with it.
std::string_view WithCrLf(std::string_view text, std::string& scratch) {
    size_t at = text.find('\n');
    while (at != std::string_view::npos && !IsLoneLineFeed(text, at)) at = text.find('\n', at + 1);
    if (at == std::string_view::npos) return text;
    scratch.assign(text.substr(0, at));
    for (; at < text.size(); ++at) {
        if (IsLoneLineFeed(text, at)) scratch += '\r';
        scratch += text[at];
    }
    return scratch;
}

}  // namespace

TCodeParser::TCodeParser(TStream& input, TStream& output)
    : TCodeParser(input, output, input.Position()) {}

TCodeParser::TCodeParser(TStream& input, TStream& output, int64_t inputStart)
    : TNewParser(input),
      InputStream(input),
      OutputStream(output),
      OutputText(InitialOutputSize),
      InputStart(inputStart) {}

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
    Columns = TColumnCounter(ColumnUnitOf(InputStream, InputStart));
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
    OutputStream.WriteBuffer(OutputText.Data(), CheckedLength(OutputText.Size()));
}

// Room for the whole page at once, so it is never copied while it grows: a
// page is about one and a half times its source. Reserved bytes that are
// never written take no memory.
void TCodeParser::ReserveOutput() {
    int64_t size = InputStream.Size();
    if (size > 0)
        OutputText.Reserve(static_cast<size_t>(std::min<int64_t>(size + size / 2, MaxReserve)));
}

// Line breaks up to the token's line, then the whitespace before the token
// on it; whitespace at the end of a line is dropped.
void TCodeParser::WriteLayout() {
    if (LineNumber() > OutputLine) {
        for (int32_t line = OutputLine; line < LineNumber(); ++line) OutputText += "\r\n";
        OutputLine = LineNumber();
        OutputPos = TokenLineStart();
        Columns.StartLine();
    }
    WriteWhitespace(SpaceBefore());
}

void TCodeParser::WriteWhitespace(std::string_view whitespace) {
    if (std::find(whitespace.begin(), whitespace.end(), '\t') == whitespace.end()) {
        OutputText.AppendRepeated(whitespace.size(), ' ');
        Columns.AdvanceAscii(whitespace);
        return;
    }
    for (char c : whitespace) OutputText.AppendRepeated(Columns.SpacesFor(c), ' ');
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
            Columns.AdvanceAscii(TokenView());
            break;
        case TokComment:
            WriteComment();
            break;
        default:
            AppendConverted(OutputText, TokenView());
            Columns.Advance(TokenView());
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
    Columns.AdvanceAscii(TokenView());
}

// A literal is written as it stands in the source, so every character code
// keeps the form it was typed in.
void TCodeParser::WriteStringLiteral() {
    BeginString();
    AppendConverted(OutputText, Columns.Expand(TokenView(), Expanded));
    EndString();
}

// A comment's line breaks are written as CR LF, like those between tokens,
// so a page has one kind of line break whatever the source has.
void TCodeParser::WriteComment() {
    BeginComment();
    ConvertComment(OutputText, WithCrLf(Columns.Expand(TokenView(), Expanded), LineBreaks));
    EndComment();
}

std::string TCodeParser::ConvertChar(uint8_t ch) { return std::string(1, static_cast<char>(ch)); }

void TCodeParser::AppendConverted(TOutputBuffer& out, std::string_view bytes) {
    for (char c : bytes) out += ConvertChar(static_cast<uint8_t>(c));
}

void TCodeParser::ConvertComment(TOutputBuffer& out, std::string_view text) {
    AppendConverted(out, text);
}

}  // namespace codelume
