// Reads a borrowed stream through a 4096-byte buffer. Bytes read ahead can be
// given back by seeking the stream backwards.
#pragma once

#include <cstdint>

#include "base/Stream.h"

namespace codelume {

class TReadBuffer {
public:
    static constexpr int32_t Capacity = 4096;

    explicit TReadBuffer(TStream& stream) : Stream(stream) {}

    uint8_t PeekByte() {
        if (Pos == End) Refill();
        return Buffer[Pos];
    }
    uint8_t ReadByte() {
        uint8_t value = PeekByte();
        ++Pos;
        return value;
    }
    // Reads exactly count bytes; "Stream read error" when the stream ends first.
    void Read(void* dest, int32_t count);
    // Reads up to count bytes and returns how many the stream had.
    int32_t ReadUpTo(void* dest, int32_t count);
    // Seeks the stream back over the bytes read ahead and not yet used.
    void GiveBack();

private:
    bool Fill();
    void Refill();

    TStream& Stream;
    uint8_t Buffer[Capacity];
    int32_t Pos = 0;
    int32_t End = 0;
};

}  // namespace codelume
