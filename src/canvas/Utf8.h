// Text inside the engine is UTF-8. These helpers walk it by characters, so that
// no measurement, cut or selection falls inside one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace codelume {

constexpr char32_t ReplacementChar = 0xFFFD;

// A byte that continues a multi-byte sequence rather than starting a character.
inline bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length (2 to 4) of a valid multi-byte UTF-8 sequence at the start of text, else 0.
int Utf8SequenceLength(std::string_view text);

// n moved back to the start of a valid sequence that the cut at n would split.
int32_t Utf8SafeCut(std::string_view text, int32_t n);

// The bytes (at least 1) of the character at the start of a non-empty text;
// a byte that starts no valid sequence counts as one character.
int32_t Utf8CharLength(std::string_view text);

// The character at the start of a non-empty text; U+FFFD for an invalid byte.
char32_t DecodeUtf8(std::string_view text);

// Appends a code point; one that is no character (a surrogate, beyond U+10FFFF) as U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

// The number of characters: every byte that does not continue a sequence.
int32_t Utf8CharCount(std::string_view text);

// The length of the longest start of the text that is valid UTF-8.
size_t ValidUtf8Prefix(std::string_view text);
bool IsValidUtf8(std::string_view text);

}  // namespace codelume
