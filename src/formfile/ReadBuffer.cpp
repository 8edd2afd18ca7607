#include "formfile/ReadBuffer.h"

#include <algorithm>
#include <cstring>

#include "base/Errors.h"

namespace codelume {

void TReadBuffer::Read(void* dest, int32_t count) {
    if (ReadUpTo(dest, count) != count) throw EReadError();
}

int32_t TReadBuffer::ReadUpTo(void* dest, int32_t count) {
    auto* out = static_cast<uint8_t*>(dest);
    int32_t done = 0;
    while (done < count) {
        if (Pos == End && !Fill()) break;
        int32_t chunk = std::min(count - done, End - Pos);
        std::memcpy(out + done, Buffer + Pos, static_cast<size_t>(chunk));
        Pos += chunk;
        done += chunk;
    }
    return done;
}

void TReadBuffer::GiveBack() {
    if (Pos < End) Stream.Seek(Pos - End, TSeekOrigin::soCurrent);
    Pos = End = 0;
}

bool TReadBuffer::Fill() {
    Pos = 0;
    End = std::max(0, Stream.Read(Buffer, Capacity));
    return End > 0;
}

void TReadBuffer::Refill() {
    if (!Fill()) throw EReadError();
}

}  // namespace codelume
