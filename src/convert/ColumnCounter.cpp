#include "convert/ColumnCounter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/Arith.h"
#include "canvas/Utf8.h"

namespace codelume {
namespace {

constexpr int32_t ChunkSize = 65536;
// The longest sequence less one: a chunk's tail that may continue in the next.
constexpr size_t SequenceCarry = 3;

bool IsContinuationByte(char c) { return (static_cast<uint8_t>(c) & 0xC0) == 0x80; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The first byte at or after `at` that is not ASCII, eight bytes at a time.
size_t SkipAscii(std::string_view text, size_t at) {
    constexpr uint64_t HighBits = 0x8080808080808080u;
    for (uint64_t word; at + sizeof word <= text.size(); at += sizeof word) {
        std::memcpy(&word, text.data() + at, sizeof word);
        if ((word & HighBits) != 0) break;
    }
    while (at < text.size() && static_cast<uint8_t>(text[at]) < 0x80) ++at;
    return at;
}

// How many bytes at the start of text are whole valid UTF-8; a tail shorter
// than a sequence is left for the caller when more data may follow.
size_t ValidUtf8Prefix(std::string_view text, bool final) {
    size_t at = 0;
    while (at < text.size()) {
        at = SkipAscii(text, at);
        if (at == text.size()) break;
        int length = Utf8SequenceLength(text.substr(at));
        if (length == 0)
            return !final && text.size() - at <= SequenceCarry ? at : std::string::npos;
        at += static_cast<size_t>(length);
    }
    return at;
}

}  // namespace

TColumnUnit ColumnUnitOf(TStream& stream, int64_t from) {
    int64_t position = stream.Position();
    stream.SetPosition(from);
    std::vector<char> buffer(SequenceCarry + ChunkSize);
    size_t carried = 0;
    bool valid = true;
    for (;;) {
        int32_t count = stream.Read(buffer.data() + carried, ChunkSize);
        size_t filled = carried + static_cast<size_t>(std::max(count, 0));
        size_t validEnd = ValidUtf8Prefix({buffer.data(), filled}, count <= 0);
        if (validEnd == std::string::npos) {
            valid = false;
            break;
        }
        carried = filled - validEnd;
        std::copy(buffer.data() + validEnd, buffer.data() + filled, buffer.data());
        if (count <= 0) break;
    }
    stream.SetPosition(position);
    return valid ? TColumnUnit::cuUtf8Character : TColumnUnit::cuByte;
}

int32_t TColumnCounter::ColumnsOf(std::string_view text) const {
    if (Unit == TColumnUnit::cuByte) return CheckedLength(text.size());
    return CheckedLength(static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); })));
}

void TColumnCounter::Advance(std::string_view text) {
    Column = CheckedAdd(Column, ColumnsOf(text));
}

std::string_view TColumnCounter::Expand(std::string_view text, std::string& scratch) {
    if (text.find('\t') == std::string_view::npos) {
        AdvanceOver(text);
        return text;
    }
    scratch.clear();
    size_t run = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\t' && !IsLineBreak(text[i])) continue;
        std::string_view piece = text.substr(run, i - run);
        Advance(piece);
        scratch += piece;
        if (i == text.size()) break;
        if (text[i] == '\t') {
            scratch.append(SpacesFor('\t'), ' ');
        } else {
            StartLine();
            scratch += text[i];
        }
        run = i + 1;
    }
    return scratch;
}

// Only the text after the last line break counts towards the column.
void TColumnCounter::AdvanceOver(std::string_view text) {
    size_t lineStart = text.size();
    while (lineStart > 0 && !IsLineBreak(text[lineStart - 1])) --lineStart;
    if (lineStart > 0) StartLine();
    Advance(text.substr(lineStart));
}

size_t TColumnCounter::SpacesFor(char whitespace) {
    int32_t spaces = whitespace == '\t' ? SpacesToNextStop() : 1;
    Column = CheckedAdd(Column, spaces);
    return static_cast<size_t>(spaces);
}

}  // namespace codelume
