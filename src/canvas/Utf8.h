// Byte text is shown as UTF-8 where it is valid and as Windows-1252 elsewhere;
// these helpers find the valid sequences so that no cut falls inside one.
#pragma once

#include <cstdint>
#include <string_view>

namespace codelume {

// The length (2 to 4) of a valid multi-byte UTF-8 sequence at the start of text, else 0.
int Utf8SequenceLength(std::string_view text);

// n moved back to the start of a valid sequence that the cut at n would split.
int32_t Utf8SafeCut(std::string_view text, int32_t n);

}  // namespace codelume
