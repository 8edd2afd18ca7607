#include "document/LineBreaks.h"

#include "canvas/Utf8.h"

namespace codelume {

bool IsIdeographic(char32_t c) {
    return (c >= 0x3005 && c <= 0x3007) ||  // iteration marks and the ideographic zero
           (c >= 0x3040 && c <= 0x30FF) ||  // hiragana and katakana
           (c >= 0x31F0 && c <= 0x31FF) ||  // small katakana for Ainu
           (c >= 0x3400 && c <= 0x4DBF) ||  // ideographs, extension A
           (c >= 0x4E00 && c <= 0x9FFF) ||  // unified ideographs
           (c >= 0xAC00 && c <= 0xD7A3) ||  // hangul syllables
           (c >= 0xF900 && c <= 0xFAFF) ||  // compatibility ideographs
           (c >= 0xFF66 && c <= 0xFF9D) ||  // halfwidth katakana
           (c >= 0x20000 && c <= 0x3FFFF);  // the supplementary ideographic planes
}

namespace {

// Punctuation of CJK text that no line may start with (the marks that close a
// clause, a sentence or a bracket) or end with (the opening brackets).
constexpr std::u32string_view NoLineStart =
    U"\u3001\u3002\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF01\u30FB\u3005\u309D\u309E\u30FD\u30FE"
    U"\u3009\u300B\u300D\u300F\u3011\u3015\u3017\u3019\uFF09\uFF3D\uFF5D\uFF63\uFF61\uFF64";
constexpr std::u32string_view NoLineEnd =
    U"\u3008\u300A\u300C\u300E\u3010\u3014\u3016\u3018\uFF08\uFF3B\uFF5B\uFF62";

constexpr char32_t ZeroWidthSpace = 0x200B;
// Every CJK character and mark above lies at this code point or higher.
constexpr char32_t CjkStart = 0x3000;

bool IsOneOf(char32_t c, std::u32string_view marks) {
    return marks.find(c) != std::u32string_view::npos;
}

bool IsCjkText(char32_t c) {
    return IsIdeographic(c) || IsOneOf(c, NoLineStart) || IsOneOf(c, NoLineEnd);
}

}  // namespace

bool IsBreakWithoutSpace(std::string_view text, int32_t at) {
    if (at <= 0 || at >= static_cast<int32_t>(text.size())) return false;
    auto offset = static_cast<size_t>(at);
    if (IsUtf8Continuation(text[offset]) || text[offset] == ' ') return false;
    auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (isAscii(text[offset]) && isAscii(text[offset - 1])) return false;
    size_t before = offset - 1;
    while (before > 0 && IsUtf8Continuation(text[before])) --before;
    char32_t previous = DecodeUtf8(text.substr(before)), next = DecodeUtf8(text.substr(offset));
    if (previous == ZeroWidthSpace) return true;
    if (previous < CjkStart && next < CjkStart) return false;
    if (IsOneOf(next, NoLineStart) || IsOneOf(previous, NoLineEnd)) return false;
    return IsCjkText(previous) || IsCjkText(next);
}

}  // namespace codelume
