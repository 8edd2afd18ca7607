#include "convert/CodeParser.h"

#include <algorithm>

#include "base/Arith.h"

namespace codelume {
namespace {

constexpr size_t InitialOutputSize = 10000;
constexpr int64_t MaxReserve = int64_t{1} << 30;

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

void TCodeParser::WriteComment() {
    BeginComment();
    ConvertComment(OutputText, Columns.Expand(TokenView(), Expanded));
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
