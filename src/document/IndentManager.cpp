#include "document/IndentManager.h"

#include <algorithm>
#include <climits>
#include <memory>

#include "document/ImageObj.h"

namespace codelume {

namespace {

constexpr int32_t OpenEnd = 9999999;
constexpr int32_t LevelIndent = 35;
constexpr int32_t NoEntry = INT32_MIN;

int32_t OrZero(int32_t end) { return end == NoEntry ? 0 : end; }

bool Covers(const IndentRec& entry, int32_t y) { return entry.FromY <= y && y < entry.ToY; }

void AddEntry(TFreeList<IndentRec>& list, int32_t edgeX, int32_t fromY, int32_t toY,
              int32_t level) {
    list.Add(std::make_unique<IndentRec>(IndentRec{edgeX, fromY, toY, level}));
}

// The largest ToY of the entries no level owns, NoEntry when there are none.
int32_t FloatEnd(const TFreeList<IndentRec>& list) {
    int32_t end = NoEntry;
    for (const auto& entry : list)
        if (entry->OwnerLevel == 0) end = std::max(end, entry->ToY);
    return end;
}

// Removes the ended entries no level owns and returns the lowest end among them.
int32_t DropEnded(TFreeList<IndentRec>& list, int32_t y) {
    int32_t end = NoEntry;
    for (int i = list.Count() - 1; i >= 0; --i)
        if (list[i]->OwnerLevel == 0 && list[i]->ToY <= y) {
            end = std::max(end, list[i]->ToY);
            list.Delete(i);
        }
    return end;
}

}  // namespace

void IndentManagerBasic::SetEdges(int32_t left, int32_t right) {
    LeftBase = left;
    RightBase = right;
    ActiveLevel = 0;
}

void IndentManagerBasic::ResetEdges() {
    LeftList.Clear();
    RightList.Clear();
    DroppedLeftToY = NoEntry;
    DroppedRightToY = NoEntry;
}

int32_t IndentManagerBasic::LeftEdgeAt(int32_t y) const {
    int32_t edge = 0;
    for (const auto& entry : LeftList)
        if (Covers(*entry, y)) edge = std::max(edge, entry->EdgeX);
    return LeftBase + edge;
}

int32_t IndentManagerBasic::RightEdgeAt(int32_t y) const {
    int32_t edge = 0;
    for (const auto& entry : RightList)
        if (Covers(*entry, y)) edge = std::min(edge, entry->EdgeX);
    return RightBase + edge;
}

void IndentManagerBasic::SetNesting(int32_t y, int32_t level) {
    DropEndedEntries(y);
    if (level > ActiveLevel) {
        for (int32_t d = ActiveLevel + 1; d <= level; ++d)
            AddEntry(LeftList, LeftEdgeAt(y) - LeftBase + LevelIndent, y, OpenEnd, d);
    } else if (level < ActiveLevel) {
        for (const auto& entry : LeftList)
            if (entry->OwnerLevel > level) {
                entry->OwnerLevel = 0;
                entry->ToY = y - 1;
            }
    }
    ActiveLevel = level;
}

void IndentManagerBasic::PlaceFloat(int32_t y, TImageObj& image) {
    int32_t space = image.ImageWidth + image.HSpace;
    int32_t bottom = y + image.ImageHeight;
    if (image.VAlign == iaLeft) {
        image.FloatX = LeftEdgeAt(y) - LeftBase;
        AddEntry(LeftList, image.FloatX + space, y, bottom, 0);
    } else if (image.VAlign == iaRight) {
        image.FloatX = RightEdgeAt(y) - image.ImageWidth;
        AddEntry(RightList, RightEdgeAt(y) - RightBase - space, y, bottom, 0);
    }
}

TClearLines IndentManagerBasic::ClearLines() const {
    int32_t left = std::max(FloatEnd(LeftList), DroppedLeftToY);
    int32_t right = std::max(FloatEnd(RightList), DroppedRightToY);
    return {left == NoEntry ? 0 : left + 1, right == NoEntry ? 0 : right + 1};
}

int32_t IndentManagerBasic::FloatBottom() const {
    return OrZero(
        std::max({FloatEnd(LeftList), FloatEnd(RightList), DroppedLeftToY, DroppedRightToY}));
}

int32_t IndentManagerBasic::NestBottom() const {
    int32_t levelEdge = 0;
    for (const auto& entry : LeftList)
        if (entry->OwnerLevel == ActiveLevel) levelEdge = entry->EdgeX;
    int32_t bottom = 0;
    for (const auto& entry : LeftList)
        if (entry->EdgeX > levelEdge) bottom = std::max(bottom, entry->ToY);
    return bottom + 1;
}

void IndentManagerBasic::DropEndedEntries(int32_t y) {
    DroppedLeftToY = std::max(DroppedLeftToY, DropEnded(LeftList, y));
    DroppedRightToY = std::max(DroppedRightToY, DropEnded(RightList, y));
}

}  // namespace codelume
