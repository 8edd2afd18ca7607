// The sources the reader reads from. The reader takes all of a source's bytes
// at once, so that it can find their charset and decode them in one pass.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Stream.h"

namespace codelume {

// The mark the reader's character layer delivers at the end of its text; the
// same byte inside the text ends it there.
constexpr char EndOfSource = 26;

class TByteSource {
public:
    virtual ~TByteSource() = default;
    // Every byte of the source, in order.
    virtual std::string ReadAll() = 0;
};

// A block of bytes the caller keeps alive for the duration of the read.
class TBufferSource : public TByteSource {
public:
    TBufferSource(const char* start, int32_t length) : Start(start), Length(length) {}
    std::string ReadAll() override;

private:
    const char* Start;
    int32_t Length;
};

// A seekable stream, read from its start.
class TStreamSource : public TByteSource {
public:
    explicit TStreamSource(TStream& stream) : Stream(stream) {}
    std::string ReadAll() override;

private:
    TStream& Stream;
};

// A file on disk; the file is opened by the constructor ("Cannot open file %s")
// and closed with the source.
class TFileSource : public TByteSource {
public:
    explicit TFileSource(const std::string& path) : File(path, TFileStream::TMode::fmOpenRead) {}
    std::string ReadAll() override;

private:
    TFileStream File;
};

// An ordered list of lines, each delivered with a carriage return after it.
class TStringsSource : public TByteSource {
public:
    explicit TStringsSource(const std::vector<std::string>& lines) : Lines(lines) {}
    std::string ReadAll() override;

private:
    const std::vector<std::string>& Lines;
};

}  // namespace codelume
