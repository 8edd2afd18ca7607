// Dividing a frame set's room among its frames: the lengths of the ROWS and
// COLS entries, the borders between them, and nested sets inside their
// divisions. Plain arithmetic; the frame viewer puts a window on each result.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "canvas/CanvasTypes.h"
#include "objects/FrameSet.h"

namespace codelume {

// The border between frames when no frame set gives a BORDER.
constexpr int32_t DefaultFrameBorder = 4;

// Lengths for the entries of a ROWS or COLS list that add up to length:
// pixels as asked, percentages of the length, and what is left shared among
// the "*" entries by their weights. When the entries ask for more or less
// than the length, each gives or takes in proportion to its size. An empty
// list is one entry of the whole length.
std::vector<int32_t> DivideFrameLength(const std::vector<TFrameSize>& sizes, int32_t length);

struct TFrameRoom {
    const TFrameInfo* Frame = nullptr;
    TRect Rect;
};

// The border between two neighbouring rows or columns: in BORDERCOLOR, or
// raised in the colours of a button face when the sets give none.
struct TFrameBorder {
    TRect Rect;
    std::optional<TColor> Color;
    bool operator==(const TFrameBorder&) const = default;
};

struct TFrameArrangement {
    std::vector<TFrameRoom> Frames;  // in document order
    std::vector<TFrameBorder> Borders;
};

// Places the frames of set inside room, filling its divisions row by row.
// Divisions without a frame stay empty; frames past the divisions, or past
// maxFrames in all, are left out. A nested set keeps the border of the set
// around it unless it gives FRAMEBORDER, BORDER or BORDERCOLOR itself.
TFrameArrangement ArrangeFrames(const TFrameSet& set, const TRect& room, int32_t maxFrames);

}  // namespace codelume
