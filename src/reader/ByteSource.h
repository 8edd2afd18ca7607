// The character sources the reader reads from: each delivers its bytes in
// order and then the end mark 26 for ever.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Stream.h"

namespace codelume {

constexpr char EndOfSource = 26;

class TByteSource {
public:
    virtual ~TByteSource() = default;
    // The next raw byte, or EndOfSource once the source is exhausted.
    virtual char ReadSourceChar() = 0;
};

// A block of bytes the caller keeps alive for the duration of the read.
class TBufferSource : public TByteSource {
public:
    TBufferSource(const char* start, int32_t length) : Current(start), End(start + length) {}
    char ReadSourceChar() override { return Current < End ? *Current++ : EndOfSource; }

private:
    const char* Current;
    const char* End;
};

// A seekable stream, read from its start in chunks of 250 bytes.
class TStreamSource : public TByteSource {
public:
    explicit TStreamSource(TStream& stream);
    char ReadSourceChar() override;

private:
    static constexpr int32_t ChunkSize = 250;
    TStream& Stream;
    std::array<char, ChunkSize + 1> Chunk;
    int32_t ChunkLength = 0;
    int32_t Position = 0;
};

// A file on disk, read through a buffer of 2,000 bytes; the file is opened by
// the constructor ("Cannot open file %s") and closed with the source.
class TFileSource : public TByteSource {
public:
    explicit TFileSource(const std::string& path) : File(path, TFileStream::TMode::fmOpenRead) {}
    char ReadSourceChar() override;

private:
    static constexpr int32_t BufferSize = 2000;
    TFileStream File;
    std::array<char, BufferSize> Buffer;
    int32_t BufferLength = 0;
    int32_t Position = 0;
    bool AtEnd = false;
};

// An ordered list of lines, each delivered with a carriage return after it.
class TStringsSource : public TByteSource {
public:
    explicit TStringsSource(const std::vector<std::string>& lines) : Lines(lines) {}
    char ReadSourceChar() override;

private:
    const std::vector<std::string>& Lines;
    std::string Current;  // the line in hand with its carriage return
    size_t NextLine = 0;
    size_t Position = 0;
};

}  // namespace codelume
