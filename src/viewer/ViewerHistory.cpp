#include "viewer/ViewerHistory.h"

#include <algorithm>

namespace codelume {

namespace {

bool SamePlace(const THistoryEntry& a, const THistoryEntry& b) {
    return a.Path == b.Path && a.Position == b.Position && a.Frames == b.Frames;
}

}  // namespace

bool SamePages(const THistoryEntry& a, const THistoryEntry& b) {
    auto samePage = [](const TFramePlace& x, const TFramePlace& y) {
        return x.Path == y.Path && x.Position.FileType == y.Position.FileType;
    };
    return a.Path == b.Path && a.Position.FileType == b.Position.FileType &&
           std::equal(a.Frames.begin(), a.Frames.end(), b.Frames.begin(), b.Frames.end(), samePage);
}

bool TViewerHistory::SetMaxCount(int32_t count) {
    if (count < 0 || count == FMaxCount) return false;
    bool cleared = count < FMaxCount && !Entries.empty();
    if (count < FMaxCount) {
        Entries.clear();
        FIndex = 0;
    }
    FMaxCount = count;
    return cleared;
}

bool TViewerHistory::Add(const THistoryEntry& previous, const THistoryEntry& current) {
    if (FMaxCount < 1 || current.Path.empty() || SamePlace(previous, current)) return false;
    Entries.erase(Entries.begin(), Entries.begin() + FIndex);
    // The page we leave replaces the current entry with its latest position;
    // a viewer that showed no file leaves nothing to come back to.
    if (!previous.Path.empty()) {
        if (Entries.empty())
            Entries.push_back(previous);
        else
            Entries.front() = previous;
    }
    Entries.insert(Entries.begin(), current);
    if (Count() > FMaxCount) Entries.resize(static_cast<size_t>(FMaxCount));
    FIndex = 0;
    return true;
}

void TViewerHistory::StepTo(int32_t index, const THistoryEntry& leaving) {
    Entries[static_cast<size_t>(FIndex)] = leaving;
    FIndex = index;
}

}  // namespace codelume
