#include "canvas/Utf8.h"

namespace codelume {

namespace {

bool IsContinuation(unsigned char c) { return c >= 0x80 && c <= 0xBF; }

// The bounds of the second byte after a lead byte: they exclude overlong forms,
// surrogates and code points above U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
        case 0xE0:
            return second >= 0xA0 && second <= 0xBF;
        case 0xED:
            return second >= 0x80 && second <= 0x9F;
        case 0xF0:
            return second >= 0x90 && second <= 0xBF;
        case 0xF4:
            return second >= 0x80 && second <= 0x8F;
        default:
            return IsContinuation(second);
    }
}

int ExpectedLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

int Utf8SequenceLength(std::string_view text) {
    if (text.empty()) return 0;
    auto lead = static_cast<unsigned char>(text[0]);
    int length = ExpectedLength(lead);
    if (length == 0 || static_cast<int>(text.size()) < length) return 0;
    if (!SecondByteFits(lead, static_cast<unsigned char>(text[1]))) return 0;
    for (int i = 2; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[static_cast<size_t>(i)]))) return 0;
    return length;
}

int32_t Utf8SafeCut(std::string_view text, int32_t n) {
    if (n <= 0 || n >= static_cast<int32_t>(text.size())) return n;
    for (int32_t back = 1; back <= 3 && back <= n; ++back)
        if (Utf8SequenceLength(text.substr(static_cast<size_t>(n - back))) > back) return n - back;
    return n;
}

}  // namespace codelume
