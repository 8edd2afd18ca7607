// Where a line of text may break besides after its spaces: after a zero-width
// space, and around the characters of scripts written without spaces (CJK
// ideographs, kana and hangul syllables) and their punctuation, except before
// a mark that closes a clause or bracket and after one that opens a bracket.
#pragma once

#include <cstdint>
#include <string_view>

namespace codelume {

bool IsIdeographic(char32_t c);

// Whether a line may break before the character that starts at byte `at` of
// text though no space is there: the character before it is a zero-width
// space, or that character or the one before it is CJK text. A space there
// breaks by the rule of spaces instead, and the first character of the text
// has nothing before it to break from.
bool IsBreakWithoutSpace(std::string_view text, int32_t at);

}  // namespace codelume
