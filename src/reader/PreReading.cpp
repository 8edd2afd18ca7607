// Preformatted text and plain-text files: read character by character, one
// TPreformatted block per source line.
#include "base/Arith.h"
#include "canvas/Utf8.h"
#include "document/GapBlocks.h"
#include "reader/HtmlReader.h"
#include "reader/ReaderSymbols.h"

namespace codelume {
namespace {

// Pending text goes to its line once it exceeds this many bytes.
constexpr size_t MaxPendingLength = 200;
constexpr int32_t TabColumns = 8;

// Raw bytes that a block's characters reserve for the end mark, form
// controls and images; as text they would corrupt the block.
bool IsReservedByte(char c) { return c == 0 || c == 2 || c == 4; }

}  // namespace

void THtmlReader::ParsePre(int32_t level) {
    StartPre(level);
    while (ReadPreChar(level)) {
    }
    FinishPre();
}

void THtmlReader::ParseText() {
    StartPre(0);
    for (; CurCh != EndOfSource; NextChar()) {
        if (CurCh == '\r')
            NewPreLine(0);
        else
            AppendPreChar();
    }
    FinishPre();
}

void THtmlReader::StartPre(int32_t level) {
    AddCurrentSection();
    PushFont();
    SetPreFont(TopFont());
    CurrentSection = NewPreSection(level);
    InPre = true;
}

void THtmlReader::FinishPre() {
    FlushPending();
    AddCurrentSection();
    InPre = false;
    PopFont();
    NextSymbol();
}

// Returns false at the end of the preformatted text.
bool THtmlReader::ReadPreChar(int32_t level) {
    switch (CurCh) {
        case '\r':
            NewPreLine(level);
            NextChar();
            return true;
        case EndOfSource:
            return false;
        case '&':
            NextSymbol();
            Pending += Token;
            return true;
        case '<':
            NextSymbol();
            return ReadPreTag(level);
        default:
            AppendPreChar();
            NextChar();
            return true;
    }
}

// Inside PRE only a few tags count; the others, and a '<' that starts no
// tag, vanish. Returns false at the tags that end the text.
bool THtmlReader::ReadPreTag(int32_t level) {
    switch (Sym) {
        case PSy:
        case BRSy:
            NewPreLine(level);
            if (CurCh == '\r') NextChar();
            return true;
        case PreEndSy:
        case TDEndSy:
        case THEndSy:
            return false;
        case ImgSy:
            FlushPending();
            InsertImage();
            return true;
        case ASy:
            FlushPending();
            ParseAnchor(level);
            return true;
        case AEndSy:
            FlushPending();
            CloseLink();
            return true;
        case InputSy:
        case SelectSy:
        case TextAreaSy:
            FlushPending();
            ParseFormControl(level);
            return true;
        case FormSy:
            StartForm();
            return true;
        case FormEndSy:
            CurrentForm = nullptr;
            return true;
        case FontSy:
        case BaseFontSy:
            FlushPending();
            if (ApplyFontAttributes(Sym, TFontContext::fcPre)) StartRun();
            return true;
        case FontEndSy:
            PopFont();
            FlushPending();
            StartRun();
            return true;
        case MapSy:
            ParseMap();
            return true;
        case ScriptSy:
            ParseScript(Document.OnScript);
            return true;
        case PageSy:
            FlushPending();
            ParsePage();
            CurrentSection = NewPreSection(level);
            return true;
        default:
            if (ApplyStyleTag(Sym, Style)) {
                FlushPending();
                StartRun();
            }
            return true;
    }
}

// Pending text is handed on at a character start, so that no character is split.
void THtmlReader::AppendPreChar() {
    if (IsReservedByte(CurCh)) return;
    if (Pending.size() > MaxPendingLength && !IsUtf8Continuation(CurCh)) FlushPending();
    if (CurIsTab)
        Pending.append(static_cast<size_t>(TabColumns - PreColumn() % TabColumns), ' ');
    else
        Pending += CurCh;
}

// The characters of the current line so far; an image or control is one.
int32_t THtmlReader::PreColumn() const {
    return CheckedAdd(Utf8CharCount(CurrentSection->Text()), Utf8CharCount(Pending));
}

// A line that ends without text still holds the ids read on it.
void THtmlReader::FlushPending() {
    PlaceTagIds();
    if (Pending.empty()) return;
    AppendText(Pending);
    Pending.clear();
}

std::unique_ptr<TPreformatted> THtmlReader::NewPreSection(int32_t level) {
    return std::make_unique<TPreformatted>(level, taLeftJustify, CurrentLink, TopFont(), Style);
}

void THtmlReader::NewPreLine(int32_t level) {
    FlushPending();
    AddCurrentSection();
    CurrentSection = NewPreSection(level);
}

}  // namespace codelume
