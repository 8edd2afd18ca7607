#include "formfile/FormTextWriter.h"

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

void TFormTextWriter::WriteHex(const uint8_t* bytes, int32_t count) {
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    for (int32_t i = 0; i < count; ++i) {
        if (Capacity - Used < 2) Flush();
        Buffer[Used++] = HexDigits[bytes[i] >> 4];
        Buffer[Used++] = HexDigits[bytes[i] & 15];
    }
}

void TFormTextWriter::Indent() {
    for (int32_t i = 0; i < Level; ++i) Write("  ");
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
