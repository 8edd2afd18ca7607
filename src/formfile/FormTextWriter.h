// Writes form text to a borrowed stream through a 4096-byte buffer and keeps
// the nesting level that indents every new line by two spaces.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/Stream.h"

namespace codelume {

class TFormTextWriter {
public:
    static constexpr int32_t Capacity = 4096;

    explicit TFormTextWriter(TStream& stream) : Stream(stream) {}

    void Write(const char* text, int32_t count);
    void Write(std::string_view text) { Write(text.data(), static_cast<int32_t>(text.size())); }
    void WriteChar(char c) {
        if (Used == Capacity) Flush();
        Buffer[Used++] = c;
    }
    void WriteDecimal(int64_t value);
    // Each byte as two upper-case hexadecimal digits, high nibble first.
    void WriteHex(const uint8_t* bytes, int32_t count);

    void Indent();
    // CR LF, then the indentation of the current level.
    void NewLine();
    void EndLine() { Write("\r\n"); }

    void IncLevel() { ++Level; }
    void DecLevel() { --Level; }

    // Hands the buffered text to the stream. The buffer is emptied first, so
    // a write that fails is never repeated by a later flush.
    void Flush();

private:
    TStream& Stream;
    int32_t Level = 0;
    int32_t Used = 0;
    char Buffer[Capacity];
};

}  // namespace codelume
