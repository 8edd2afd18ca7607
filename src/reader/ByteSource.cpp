#include "reader/ByteSource.h"

#include <array>

namespace codelume {
namespace {

std::string ReadToEnd(TStream& stream) {
    std::string bytes;
    std::array<char, 65536> chunk;
    for (int32_t n; (n = stream.Read(chunk.data(), static_cast<int32_t>(chunk.size()))) > 0;)
        bytes.append(chunk.data(), static_cast<size_t>(n));
    return bytes;
}

}  // namespace

std::string TBufferSource::ReadAll() {
    return Length > 0 ? std::string(Start, static_cast<size_t>(Length)) : std::string();
}

std::string TStreamSource::ReadAll() {
    Stream.SetPosition(0);
    return ReadToEnd(Stream);
}

std::string TFileSource::ReadAll() { return ReadToEnd(File); }

std::string TStringsSource::ReadAll() {
    std::string bytes;
    for (const std::string& line : Lines) {
        bytes += line;
        bytes += '\r';
    }
    return bytes;
}

}  // namespace codelume
