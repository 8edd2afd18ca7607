// The real number notation of form text: 15 significant digits, "." as the
// decimal separator whatever the locale, plain or scientific by exponent.
#pragma once

#include <cstdint>

namespace codelume {

// Longest text FormatReal writes, e.g. "-1.23456789012345E-4951".
constexpr int32_t MaxRealText = 32;

// Writes value into out (MaxRealText bytes) and returns the length.
int32_t FormatReal(long double value, char* out);

// The value of a 10-byte 80-bit extended real: a 64-bit significand with an
// explicit integer bit, then a 15-bit exponent biased by 16383 and the sign.
long double DecodeExtended(const uint8_t bytes[10]);

}  // namespace codelume
