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
    bool operator==(const TPositionObj&) const = default;
};

// The page one frame of a frame-set page shows.
struct TFramePlace {
    std::string Path;
    TPositionObj Position;
    bool operator==(const TFramePlace&) const = default;
};

struct THistoryEntry {
    std::string Path;
    std::string Title;
    TPositionObj Position;
    // When Path is a frame set: its frames and the frames inside them, depth first.
    std::vector<TFramePlace> Frames;
};

// Whether two places show the same pages, wherever they are scrolled to.
bool SamePages(const THistoryEntry& a, const THistoryEntry& b);

class TViewerHistory {
public:
    int32_t MaxCount() const { return FMaxCount; }
    // Lowering the maximum clears the history; answers whether it held anything.
    bool SetMaxCount(int32_t count);

    // Records the move from previous to current; answers whether the history changed.
    bool Add(const THistoryEntry& previous, const THistoryEntry& current);
    // Makes the entry at index (0 the newest) the current one; the entry left
    // keeps the place it is left at.
    void StepTo(int32_t index, const THistoryEntry& leaving);

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
