#include "canvas/Utf8.h"

#include "base/Arith.h"

namespace codelume {

namespace {

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
            return IsUtf8Continuation(static_cast<char>(second));
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
        if (!IsUtf8Continuation(text[static_cast<size_t>(i)])) return 0;
    return length;
}

int32_t Utf8SafeCut(std::string_view text, int32_t n) {
    if (n <= 0 || n >= static_cast<int32_t>(text.size())) return n;
    for (int32_t back = 1; back <= 3 && back <= n; ++back)
        if (Utf8SequenceLength(text.substr(static_cast<size_t>(n - back))) > back) return n - back;
    return n;
}

int32_t Utf8CharLength(std::string_view text) {
    int length = Utf8SequenceLength(text);
    return length > 0 ? length : 1;
}

char32_t DecodeUtf8(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return lead;
    int length = Utf8SequenceLength(text);
    if (length == 0) return ReplacementChar;
    // The lead keeps 5, 4 or 3 bits for sequences of 2, 3 or 4 bytes.
    char32_t code = lead & (0x7Fu >> length);
    for (int i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[static_cast<size_t>(i)]) & 0x3Fu);
    return code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) code = ReplacementChar;
    auto byte = [&](char32_t bits) { out += static_cast<char>(bits); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

int32_t Utf8CharCount(std::string_view text) {
    size_t count = 0;
    for (char c : text)
        if (!IsUtf8Continuation(c)) ++count;
    return CheckedLength(count);
}

size_t ValidUtf8Prefix(std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        int length = Utf8SequenceLength(text.substr(at));
        if (length == 0) break;
        at += static_cast<size_t>(length);
    }
    return at;
}

bool IsValidUtf8(std::string_view text) { return ValidUtf8Prefix(text) == text.size(); }

}  // namespace codelume
