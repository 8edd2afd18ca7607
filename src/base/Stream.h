// Seekable byte streams: a file or a block of memory. The creator owns a
// stream; readers and writers only borrow it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace codelume {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to count bytes and returns how many were read.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    // Writes count bytes and returns how many were written.
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Moves the position and returns the new one; a file stream that cannot
    // move there raises "Stream seek error".
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    int64_t Size();

    // Like Read and Write, but anything short of count bytes is an error
    // ("Stream read error", "Stream write error").
    void ReadBuffer(void* buffer, int32_t count);
    void WriteBuffer(const void* buffer, int32_t count);
    void WriteString(const std::string& text);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string data) : data_(std::move(data)) {}

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

    const std::string& Data() const { return data_; }
    std::string& Data() { return data_; }

private:
    std::string data_;
    int64_t position_ = 0;
};

class TFileStream : public TStream {
public:
    enum class TMode { fmOpenRead, fmCreate };

    // fmOpenRead fails with "Cannot open file PATH", fmCreate (create or
    // truncate, then read and write) with "Cannot create file PATH".
    TFileStream(const std::string& path, TMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

    // Flushes and closes; a failure to write the last bytes is an error.
    void Close();
    // A regular file; a pipe, a terminal or another device cannot seek.
    bool IsRegular() const;

private:
    static constexpr size_t ReadBufferSize = size_t{1} << 16;

    std::FILE* file_;
    std::unique_ptr<char[]> readBuffer_;  // the buffer of file_, freed after it is closed
};

// A file to read from its start, failing as opening a file stream does. A
// regular file is read where it lies; anything else (a named pipe, a shell's
// process substitution, a device) is read whole into memory first, since
// readers seek.
std::unique_ptr<TStream> OpenSourceStream(const std::string& path);

bool FileExists(const std::string& path);

}  // namespace codelume
