// Left and right edges of a cell at any Y: list nesting indents and floating
// images. Edges are kept relative to LeftBase and RightBase so that one layout
// can be painted at any horizontal offset.
#pragma once

#include <climits>
#include <cstdint>

#include "base/FreeList.h"

namespace codelume {

class TImageObj;

struct IndentRec {
    int32_t EdgeX = 0;  // left: offset from LeftBase; right: (negative) offset from RightBase
    int32_t FromY = 0;
    int32_t ToY = 0;         // exclusive
    int32_t OwnerLevel = 0;  // nesting level that opened it; 0 for a float or a closed level
};

struct TClearLines {
    int32_t Left = 0;
    int32_t Right = 0;
};

class IndentManagerBasic {
public:
    int32_t AvailWidth = 0;
    int32_t ClipWidthPx = 0;
    TFreeList<IndentRec> LeftList;
    TFreeList<IndentRec> RightList;
    int32_t ActiveLevel = 0;
    int32_t LeftBase = 0;
    int32_t RightBase = 0;

    void SetEdges(int32_t left, int32_t right);
    void ResetEdges();
    int32_t LeftEdgeAt(int32_t y) const;
    int32_t RightEdgeAt(int32_t y) const;
    void SetNesting(int32_t y, int32_t level);
    void PlaceFloat(int32_t y, TImageObj& image);
    TClearLines ClearLines() const;
    int32_t FloatBottom() const;
    int32_t NestBottom() const;

private:
    // Layout runs down the page, so entries of floats and closed levels that end
    // above the current Y can no longer cover anything; they are dropped to keep
    // the edge lookups short, and only their lowest end is remembered.
    void DropEndedEntries(int32_t y);
    int32_t DroppedLeftToY = INT32_MIN;
    int32_t DroppedRightToY = INT32_MIN;
};

class IndentManager : public IndentManagerBasic {};

}  // namespace codelume
