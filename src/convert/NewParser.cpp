#include "convert/NewParser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "base/Format.h"

namespace codelume {
namespace {

enum TCharClass : uint8_t { ccOther, ccLetter, ccDigit, ccHexLetter, ccNumberSign };

constexpr std::array<uint8_t, 256> MakeCharClasses() {
    std::array<uint8_t, 256> classes{};
    auto mark = [&classes](std::string_view chars, TCharClass charClass) {
        for (char c : chars) classes[static_cast<uint8_t>(c)] = charClass;
    };
    mark("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_", ccLetter);
    mark("abcdefABCDEF", ccHexLetter);
    mark("0123456789", ccDigit);
    mark("+-.", ccNumberSign);
    return classes;
}

constexpr std::array<uint8_t, 256> CharClasses = MakeCharClasses();

bool IsLetter(uint8_t c) { return CharClasses[c] == ccLetter || CharClasses[c] == ccHexLetter; }
bool IsDigit(uint8_t c) { return CharClasses[c] == ccDigit; }
constexpr std::array<bool, 256> MakeIdentifierBytes() {
    std::array<bool, 256> bytes{};
    for (size_t c = 0; c < bytes.size(); ++c)
        bytes[c] = CharClasses[c] != ccOther && CharClasses[c] != ccNumberSign;
    return bytes;
}

constexpr std::array<bool, 256> IdentifierBytes = MakeIdentifierBytes();

bool IsIdentifierByte(uint8_t c) { return IdentifierBytes[c]; }
bool IsHexDigit(uint8_t c) { return CharClasses[c] == ccDigit || CharClasses[c] == ccHexLetter; }
bool IsNumberTail(uint8_t c) {
    return CharClasses[c] == ccDigit || CharClasses[c] == ccNumberSign || c == 'E' || c == 'e';
}

// Scanners: position in, position where the run stopped out. The 0 byte at
// the mark belongs to no class, so it stops every run.
uint8_t* ScanIdentifier(uint8_t* p) {
    while (IsIdentifierByte(*p)) ++p;
    return p;
}

uint8_t* ScanHexDigits(uint8_t* p) {
    while (IsHexDigit(*p)) ++p;
    return p;
}

uint8_t* ScanDigits(uint8_t* p) {
    while (IsDigit(*p)) ++p;
    return p;
}

constexpr uint8_t LineFeed = 10;
constexpr uint8_t CarriageReturn = 13;

// The bytes at which a comment's scan stops to look: the 0 of the mark, the
// line feed it counts and the first byte of the comment form's closer.
constexpr std::array<bool, 256> MakeCommentStops(uint8_t closer) {
    std::array<bool, 256> stops{};
    stops[0] = stops[LineFeed] = stops[closer] = true;
    return stops;
}

constexpr std::array<bool, 256> BraceStops = MakeCommentStops('}');
constexpr std::array<bool, 256> ParenStops = MakeCommentStops('*');
constexpr std::array<bool, 256> SlashStops = MakeCommentStops(CarriageReturn);

int32_t DigitValue(uint8_t c) {
    if (IsDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// The digits of a character code after its '#': decimal, or hexadecimal after
// '$'. A '#' with no digits stands for the code 0. Returns the position after
// the digits, or nullptr when the code does not fit 32 bits.
uint8_t* ScanCodeDigits(uint8_t* p, int32_t& code) {
    bool hex = *p == '$' && IsHexDigit(p[1]);
    int32_t base = hex ? 16 : 10;
    if (hex) ++p;
    code = 0;
    for (; hex ? IsHexDigit(*p) : IsDigit(*p); ++p) {
        if (__builtin_mul_overflow(code, base, &code) ||
            __builtin_add_overflow(code, DigitValue(*p), &code))
            return nullptr;
    }
    return p;
}

// The closing apostrophe of a quoted part whose text starts at p (doubled
// apostrophes are skipped), or the line break or 0 byte that cuts it short.
uint8_t* QuotedPartEnd(uint8_t* p) {
    for (;; ++p) {
        uint8_t c = *p;
        if (c == '\'') {
            if (p[1] != '\'') return p;
            ++p;
        } else if (c == 0 || c == LineFeed || c == CarriageReturn) {
            return p;
        }
    }
}

// Appends the text of a closed quoted part that starts at p, one apostrophe
// for each doubled one; returns the position after its closing apostrophe.
uint8_t* AppendQuotedPart(std::string& text, uint8_t* p) {
    uint8_t* end = QuotedPartEnd(p);
    for (; p < end; ++p) {
        text += static_cast<char>(*p);
        if (*p == '\'') ++p;
    }
    return end + 1;
}

}  // namespace

TNewParser::TNewParser(TStream& source) : Source(source), Window(new uint8_t[WindowSize]()) {
    DataEnd = ScanPos = MarkPos = TokenStart = Window.get();
    WindowEnd = Window.get() + WindowSize;
    ReadToken();
}

TNewParser::~TNewParser() {
    int64_t streamOffset = int64_t{WindowOrigin} + (DataEnd - Window.get());
    Source.Seek(int64_t{FTokenOffset} - streamOffset, TSeekOrigin::soCurrent);
}

void TNewParser::RaiseError(std::string_view message) const { RaiseErrorAt(message, FLineNumber); }

void TNewParser::RaiseErrorAt(std::string_view message, int32_t line) const {
    throw EParserError(
        Format("%.*s on line %d", static_cast<int>(message.size()), message.data(), line));
}

void TNewParser::RaiseNul() const { RaiseErrorAt("Unexpected NUL byte", ScanLine); }

int32_t TNewParser::OffsetOf(const uint8_t* p) const {
    int32_t offset;
    if (__builtin_add_overflow(WindowOrigin, static_cast<int32_t>(p - Window.get()), &offset))
        RaiseErrorAt("Integer overflow", ScanLine);
    return offset;
}

void TNewParser::CountLineFeed(const uint8_t* lineFeed) {
    if (__builtin_add_overflow(ScanLine, 1, &ScanLine)) RaiseErrorAt("Integer overflow", ScanLine);
    LineStart = OffsetOf(lineFeed + 1);
}

// Discards the bytes before ScanPos, tops the window up from the stream and
// cuts it after its last line feed, so a line never spans two fillings.
// Returns whether any data is left to scan.
bool TNewParser::RefillWindow() {
    WindowOrigin = OffsetOf(ScanPos);
    *MarkPos = SavedByte;
    size_t rest = static_cast<size_t>(DataEnd - ScanPos);
    if (rest > 0) std::memmove(Window.get(), ScanPos, rest);
    DataEnd = Window.get() + rest;
    ReadIntoWindow();
    ScanPos = Window.get();
    MarkPos = DataEnd == WindowEnd ? AfterLastLineFeed() : DataEnd;
    SavedByte = *MarkPos;
    *MarkPos = 0;
    if (MarkPos == Window.get() && DataEnd == WindowEnd) RaiseErrorAt("Line too long", ScanLine);
    return ScanPos != MarkPos;
}

// Reads until the window is full; a short read only ever means the end of
// the stream.
void TNewParser::ReadIntoWindow() {
    while (DataEnd < WindowEnd) {
        int32_t count = Source.Read(DataEnd, static_cast<int32_t>(WindowEnd - DataEnd));
        if (count <= 0) return;
        DataEnd += count;
    }
}

// The position after the last line feed at offsets 1 to 4094 of a full
// window, or the window start when there is none.
uint8_t* TNewParser::AfterLastLineFeed() const {
    uint8_t* lineFeed = WindowEnd - 2;
    while (lineFeed > Window.get() && *lineFeed != LineFeed) --lineFeed;
    return lineFeed > Window.get() ? lineFeed + 1 : Window.get();
}

void TNewParser::SkipWhitespace() {
    for (;;) {
        ScanPos = SkipBlanks(ScanPos);
        if (*ScanPos != 0) return;
        if (!IsMark(ScanPos)) RaiseNul();
        if (!RefillWindow()) return;
    }
}

// Runs over whitespace to the next byte above 32 or a 0 byte, counting line
// feeds on the way.
uint8_t* TNewParser::SkipBlanks(uint8_t* p) {
    for (;; ++p) {
        uint8_t c = *p;
        if (c > 32 || c == 0) return p;
        if (c == LineFeed) CountLineFeed(p);
    }
}

void TNewParser::BeginToken() {
    TokenStart = ScanPos;
    FLineNumber = ScanLine;
    FTokenOffset = OffsetOf(ScanPos);
    FTokenLineStart = LineStart;
    SpaceStart = std::max(FTokenEndOffset, LineStart);
    LongToken = false;
}

void TNewParser::EndToken() { FTokenEndOffset = OffsetOf(ScanPos); }

uint8_t TNewParser::ReadToken() {
    SkipWhitespace();
    BeginToken();
    uint8_t c = *ScanPos;
    if (IsLetter(c)) {
        ScanPos = ScanIdentifier(ScanPos + 1);
        FTokenKind = TokIdentifier;
    } else if (IsDigit(c) || c == '-') {
        uint8_t* p = ScanDigits(ScanPos + 1);
        FTokenKind = TokInteger;
        if (IsNumberTail(*p)) {
            while (IsNumberTail(*p)) ++p;
            FTokenKind = TokFloat;
        }
        ScanPos = p;
    } else {
        FTokenKind = ScanSpecial(c);
    }
    EndToken();
    return FTokenKind;
}

// Tokens that do not start with a letter, a digit or a minus sign.
uint8_t TNewParser::ScanSpecial(uint8_t c) {
    switch (c) {
        case '#':
        case '\'':
            ScanString();
            return TokString;
        case '$':
            ScanPos = ScanHexDigits(ScanPos + 1);
            return TokInteger;
        case '{':
            ScanComment(TCommentForm::cfBrace, 1);
            return TokComment;
        case '(':
            if (ScanPos[1] != '*') break;
            ScanComment(TCommentForm::cfParen, 2);
            return TokComment;
        case '/':
            if (ScanPos[1] != '/') break;
            ScanComment(TCommentForm::cfSlash, 2);
            return TokComment;
        case 0:
            return TokEnd;  // SkipWhitespace stopped at the mark with no data left
        default:
            break;
    }
    ++ScanPos;
    return c;
}

// A string literal is a run of quoted parts and character codes.
void TNewParser::ScanString() {
    uint8_t* p = ScanPos;
    for (;;) {
        if (*p == '#')
            p = ScanCharCode(p + 1);
        else if (*p == '\'')
            p = ScanQuoted(p + 1);
        else
            break;
    }
    ScanPos = p;
}

uint8_t* TNewParser::ScanCharCode(uint8_t* p) {
    int32_t code;
    uint8_t* end = ScanCodeDigits(p, code);
    if (end == nullptr) RaiseErrorAt("Integer overflow", ScanLine);
    return end;
}

uint8_t* TNewParser::ScanQuoted(uint8_t* p) {
    uint8_t* end = QuotedPartEnd(p);
    if (*end == '\'') return end + 1;
    if (*end == 0 && !IsMark(end)) {
        ScanPos = end;
        RaiseNul();
    }
    RaiseErrorAt("Invalid string constant", ScanLine);
}

std::string TNewParser::TokenText() const {
    if (FTokenKind != TokString) return std::string(TokenView());
    std::string text;
    uint8_t* p = TokenStart;
    while (p < ScanPos) {
        if (*p == '#') {
            int32_t code;
            p = ScanCodeDigits(p + 1, code);
            text += static_cast<char>(code & 0xFF);
        } else {
            p = AppendQuotedPart(text, p + 1);
        }
    }
    return text;
}

// The whitespace of a line never spans a refill, which only happens at a
// line's start; a comment that does span one keeps a copy of it.
std::string_view TNewParser::SpaceBefore() const {
    if (LongToken) return LongSpace;
    return {reinterpret_cast<const char*>(TokenStart - (FTokenOffset - SpaceStart)),
            static_cast<size_t>(FTokenOffset - SpaceStart)};
}

// Scans a comment of the given form from its opener. A comment still open at
// the mark goes on after the refill; its text is then gathered in LongText.
void TNewParser::ScanComment(TCommentForm form, int32_t openerLength) {
    uint8_t* p = ScanPos + openerLength;
    for (;;) {
        p = ScanCommentPart(form, p);
        if (*p != 0) break;
        if (!IsMark(p)) RaiseNul();
        if (!LongToken) {
            LongSpace = SpaceBefore();
            LongText.clear();
        }
        LongText.append(reinterpret_cast<const char*>(TokenStart),
                        static_cast<size_t>(p - TokenStart));
        LongToken = true;
        ScanPos = p;
        bool more = RefillWindow();
        p = TokenStart = ScanPos;
        if (!more) break;
    }
    // The closing byte of a brace or parenthesis comment is part of it; the
    // line break that ends a double-slash comment is not.
    ScanPos = (*p != 0 && form != TCommentForm::cfSlash) ? p + 1 : p;
    if (LongToken)
        LongText.append(reinterpret_cast<const char*>(TokenStart),
                        static_cast<size_t>(ScanPos - TokenStart));
}

// Runs to the byte that closes the comment (the brace, the parenthesis of
// "*)", the line break) or to a 0 byte, counting line feeds on the way. The
// mark of a filled window stands after a line feed, so no closer straddles it.
uint8_t* TNewParser::ScanCommentPart(TCommentForm form, uint8_t* p) {
    const std::array<bool, 256>& stops = form == TCommentForm::cfBrace   ? BraceStops
                                         : form == TCommentForm::cfParen ? ParenStops
                                                                         : SlashStops;
    for (;; ++p) {
        while (!stops[*p]) ++p;
        if (*p == 0) return p;
        if (*p == LineFeed) {
            if (form == TCommentForm::cfSlash) return p;
            CountLineFeed(p);
        } else if (form != TCommentForm::cfParen) {
            return p;
        } else if (p[1] == ')') {
            return p + 1;
        }
    }
}

}  // namespace codelume
