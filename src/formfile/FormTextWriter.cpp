#include "formfile/FormTextWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace codelume {

void TFormTextWriter::Write(const char* text, int32_t count) {
    if (count > Capacity - Used) {
        Flush();
        if (count > Capacity) return Stream.WriteBuffer(text, count);
    }
    std::memcpy(Buffer + Used, text, static_cast<size_t>(count));
    Used += count;
}

void TFormTextWriter::WriteDecimal(int64_t value) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    Write(digits, static_cast<int32_t>(result.ptr - digits));
}

namespace {

// The two upper-case hexadecimal digits of every byte value, high nibble first.
struct THexPairs {
    char Pairs[256][2] = {};
    constexpr THexPairs() {
        constexpr char digits[] = "0123456789ABCDEF";
        for (int i = 0; i < 256; ++i) {
            Pairs[i][0] = digits[i >> 4];
            Pairs[i][1] = digits[i & 15];
        }
    }
};
constexpr THexPairs HexPairs;

constexpr char Spaces[] = "                                                                ";
constexpr int32_t SpaceCount = sizeof Spaces - 1;

}  // namespace

void TFormTextWriter::WriteHex(const uint8_t* bytes, int32_t count) {
    while (count > 0) {
        if (Capacity - Used < 2) Flush();
        int32_t chunk = std::min(count, (Capacity - Used) / 2);
        char* out = Buffer + Used;
        for (int32_t i = 0; i < chunk; ++i, out += 2) std::memcpy(out, HexPairs.Pairs[bytes[i]], 2);
        Used += 2 * chunk;
        bytes += chunk;
        count -= chunk;
    }
}

void TFormTextWriter::Indent() {
    for (int32_t left = 2 * Level; left > 0; left -= SpaceCount)
        Write(Spaces, std::min(left, SpaceCount));
}

void TFormTextWriter::NewLine() {
    EndLine();
    Indent();
}

void TFormTextWriter::Flush() {
    int32_t count = Used;
    Used = 0;
    Stream.WriteBuffer(Buffer, count);
}

}  // namespace codelume
