// Signed 32-bit arithmetic that refuses to wrap, and the font-scaling MulDiv.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/Errors.h"

namespace codelume {

inline int32_t CheckedAdd(int32_t a, int32_t b) {
    int32_t sum;
    if (__builtin_add_overflow(a, b, &sum)) throw EIntOverflow();
    return sum;
}

inline int32_t CheckedSub(int32_t a, int32_t b) {
    int32_t difference;
    if (__builtin_sub_overflow(a, b, &difference)) throw EIntOverflow();
    return difference;
}

inline int32_t CheckedMul(int32_t a, int32_t b) {
    int32_t product;
    if (__builtin_mul_overflow(a, b, &product)) throw EIntOverflow();
    return product;
}

// Narrows a 64-bit count (a size, a pointer difference) to 32 bits.
inline int32_t CheckedNarrow(int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) throw EIntOverflow();
    return static_cast<int32_t>(value);
}

// Narrows a container's size to 32 bits.
inline int32_t CheckedLength(size_t size) {
    if (size > INT32_MAX) throw EIntOverflow();
    return static_cast<int32_t>(size);
}

// a * b / c with a 64-bit intermediate, rounded to the nearest integer, halves
// away from zero. Returns -1 when c is 0 or the result does not fit 32 bits.
inline int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    int64_t numerator = static_cast<int64_t>(a) * b;
    bool negative = (numerator < 0) != (c < 0);
    uint64_t n =
        numerator < 0 ? -static_cast<uint64_t>(numerator) : static_cast<uint64_t>(numerator);
    uint64_t d = c < 0 ? -static_cast<uint64_t>(static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    uint64_t q = (n + d / 2) / d;
    if (q > (negative ? uint64_t{1} << 31 : INT32_MAX)) return -1;
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(q)) : static_cast<int32_t>(q);
}

}  // namespace codelume
