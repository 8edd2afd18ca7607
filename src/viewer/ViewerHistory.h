// The viewer's record of visited pages, newest first: path, title and the
// reading position (block key and load kind) of each page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace codelume {

// A reading place that survives a new layout: a block and the offset into it.
struct TPositionKey {
    int32_t Block = 0;
    int32_t Offset = 0;
    bool operator==(const TPositionKey&) const = default;
};

struct TPositionObj {
    TPositionKey Pos;
    int32_t FileType = 0;
};

struct THistoryEntry {
    std::string Path;
    std::string Title;
    TPositionObj Position;
};

class TViewerHistory {
public:
    int32_t MaxCount() const { return FMaxCount; }
    // Lowering the maximum clears the history; answers whether it held anything.
    bool SetMaxCount(int32_t count);

    // Records the move from previous to current; answers whether the history changed.
    bool Add(const THistoryEntry& previous, const THistoryEntry& current);

    int32_t Count() const { return static_cast<int32_t>(Entries.size()); }
    int32_t Index() const { return FIndex; }
    const THistoryEntry& operator[](int32_t index) const {
        return Entries[static_cast<size_t>(index)];
    }

private:
    std::vector<THistoryEntry> Entries;
    int32_t FIndex = 0;
    int32_t FMaxCount = 0;
};

}  // namespace codelume
