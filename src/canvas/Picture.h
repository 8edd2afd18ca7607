// A decoded picture as the platform keeps it: one or more frames of one size,
// each shown for its own delay. The engine reads only these values; the canvas
// that draws it knows the platform's frames behind them.
#pragma once

#include <cstdint>
#include <vector>

#include "canvas/CanvasTypes.h"

namespace codelume {

class TPicture {
public:
    virtual ~TPicture() = default;

    TSize Size;
    std::vector<int32_t> FrameDelays;  // milliseconds, one per frame
    int32_t Plays = 0;                 // how often an animation runs through; 0 for ever

    int32_t FrameCount() const { return static_cast<int32_t>(FrameDelays.size()); }
    bool IsAnimated() const { return FrameDelays.size() > 1; }
};

}  // namespace codelume
