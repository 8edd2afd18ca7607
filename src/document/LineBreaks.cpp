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

bool IsIdeographicBreak(std::string_view text, int32_t at) {
    if (at <= 0 || at >= static_cast<int32_t>(text.size())) return false;
    auto offset = static_cast<size_t>(at);
    if (IsUtf8Continuation(text[offset]) || text[offset] == ' ') return false;
    if (IsIdeographic(DecodeUtf8(text.substr(offset)))) return true;
    size_t before = offset - 1;
    while (before > 0 && IsUtf8Continuation(text[before])) --before;
    return IsIdeographic(DecodeUtf8(text.substr(before)));
}

}  // namespace codelume
