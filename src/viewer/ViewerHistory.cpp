#include "viewer/ViewerHistory.h"

namespace codelume {

namespace {

bool SamePlace(const THistoryEntry& a, const THistoryEntry& b) {
    return a.Path == b.Path && a.Position.FileType == b.Position.FileType &&
           a.Position.Pos == b.Position.Pos;
}

}  // namespace

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

}  // namespace codelume
