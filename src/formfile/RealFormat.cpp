#include "formfile/RealFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace codelume {

namespace {

constexpr int SignificantDigits = 15;

// The decimal digits d1...dk of 0.d1...dk times 10 to the power Exponent.
struct TDecimal {
    char Digits[SignificantDigits];
    int32_t Count = 0;
    int32_t Exponent = 0;
};

// Rounds a finite, positive value to 15 significant digits and drops the
// trailing zeros. to_chars is used because it ignores the locale.
TDecimal ToDecimal(long double value) {
    char text[MaxRealText + 16];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                SignificantDigits - 1);
    TDecimal decimal;
    for (const char* p = text; p < result.ptr && *p != 'e'; ++p)
        if (*p != '.') decimal.Digits[decimal.Count++] = *p;
    while (decimal.Count > 0 && decimal.Digits[decimal.Count - 1] == '0') --decimal.Count;
    const char* e =
        static_cast<const char*>(std::memchr(text, 'e', static_cast<size_t>(result.ptr - text)));
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, exponent);
    decimal.Exponent = exponent + 1;
    return decimal;
}

char* WritePlain(const TDecimal& d, char* out) {
    if (d.Exponent <= 0) {
        *out++ = '0';
        *out++ = '.';
        for (int32_t i = d.Exponent; i < 0; ++i) *out++ = '0';
        std::memcpy(out, d.Digits, static_cast<size_t>(d.Count));
        return out + d.Count;
    }
    for (int32_t i = 0; i < d.Exponent; ++i) *out++ = i < d.Count ? d.Digits[i] : '0';
    if (d.Count > d.Exponent) {
        *out++ = '.';
        std::memcpy(out, d.Digits + d.Exponent, static_cast<size_t>(d.Count - d.Exponent));
        out += d.Count - d.Exponent;
    }
    return out;
}

char* WriteScientific(const TDecimal& d, char* out) {
    *out++ = d.Digits[0];
    if (d.Count > 1) {
        *out++ = '.';
        std::memcpy(out, d.Digits + 1, static_cast<size_t>(d.Count - 1));
        out += d.Count - 1;
    }
    *out++ = 'E';
    return std::to_chars(out, out + 8, d.Exponent - 1).ptr;
}

}  // namespace

int32_t FormatReal(long double value, char* out) {
    const char* special = std::isnan(value)   ? "NAN"
                          : std::isinf(value) ? (value < 0 ? "-INF" : "INF")
                          : value == 0        ? "0"
                                              : nullptr;
    if (special != nullptr) {
        std::strcpy(out, special);
        return static_cast<int32_t>(std::strlen(special));
    }
    char* p = out;
    if (value < 0) *p++ = '-';
    TDecimal decimal = ToDecimal(std::fabs(value));
    bool plain = decimal.Exponent >= -3 && decimal.Exponent <= 15;
    p = plain ? WritePlain(decimal, p) : WriteScientific(decimal, p);
    return static_cast<int32_t>(p - out);
}

long double DecodeExtended(const uint8_t bytes[10]) {
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) significand = significand << 8 | bytes[i];
    int exponent = (bytes[9] & 0x7F) << 8 | bytes[8];
    bool negative = (bytes[9] & 0x80) != 0;
    long double magnitude;
    if (exponent == 0x7FFF)
        magnitude = (significand << 1) == 0 ? HUGE_VALL : NAN;
    else  // exponent 0 holds the denormals, scaled like exponent 1
        magnitude = std::ldexp(static_cast<long double>(significand),
                               (exponent == 0 ? 1 : exponent) - 16383 - 63);
    return negative ? -magnitude : magnitude;
}

}  // namespace codelume
