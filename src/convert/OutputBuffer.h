// The converter's output as it grows: one block of memory written through a
// cursor, so that an append is a bounds check and a copy. The block is sized
// once from the input; a page that outgrows it moves to a block twice as big.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace codelume {

class TOutputBuffer {
public:
    explicit TOutputBuffer(size_t capacity);
    ~TOutputBuffer();
    TOutputBuffer(const TOutputBuffer&) = delete;
    TOutputBuffer& operator=(const TOutputBuffer&) = delete;

    // Room for at least capacity bytes in all; what is written is kept.
    void Reserve(size_t capacity);
    void Clear() { End = Begin; }

    const char* Data() const { return Begin; }
    size_t Size() const { return static_cast<size_t>(End - Begin); }
    std::string_view View() const { return {Begin, Size()}; }

    TOutputBuffer& operator+=(std::string_view text) {
        char* at = Room(text.size());
        std::memcpy(at, text.data(), text.size());
        End = at + text.size();
        return *this;
    }
    TOutputBuffer& operator+=(char c) {
        *Room(1) = c;
        ++End;
        return *this;
    }
    void AppendRepeated(size_t count, char c) {
        char* at = Room(count);
        std::memset(at, c, count);
        End = at + count;
    }

    // The place to write up to count more bytes at; Commit takes the end of
    // what was written there.
    char* Room(size_t count) {
        if (count > static_cast<size_t>(Limit - End)) Grow(count);
        return End;
    }
    void Commit(char* end) { End = end; }

private:
    void Grow(size_t count);

    char* Begin = nullptr;
    char* End = nullptr;
    char* Limit = nullptr;
};

}  // namespace codelume
