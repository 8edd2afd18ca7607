#include "reader/ByteSource.h"

#include <algorithm>

namespace codelume {

TStreamSource::TStreamSource(TStream& stream) : Stream(stream) { Stream.SetPosition(0); }

char TStreamSource::ReadSourceChar() {
    if (Position >= ChunkLength) {
        // A short chunk is the stream's last one: the end mark follows its bytes.
        ChunkLength = std::max(0, Stream.Read(Chunk.data(), ChunkSize));
        if (ChunkLength < ChunkSize) Chunk[static_cast<size_t>(ChunkLength++)] = EndOfSource;
        Position = 0;
    }
    return Chunk[static_cast<size_t>(Position++)];
}

char TFileSource::ReadSourceChar() {
    if (Position >= BufferLength) {
        if (AtEnd) return EndOfSource;
        BufferLength = std::max(0, File.Read(Buffer.data(), BufferSize));
        Position = 0;
        if (BufferLength < BufferSize) AtEnd = true;
        if (BufferLength == 0) return EndOfSource;
    }
    return Buffer[static_cast<size_t>(Position++)];
}

char TStringsSource::ReadSourceChar() {
    if (Position >= Current.size()) {
        if (NextLine >= Lines.size()) return EndOfSource;
        Current = Lines[NextLine++];
        Current += '\r';
        Position = 0;
    }
    return Current[Position++];
}

}  // namespace codelume
