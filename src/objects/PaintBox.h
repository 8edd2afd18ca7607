// The framed boxes tables, images and form controls draw themselves with.
#pragma once

#include <cstdint>

#include "canvas/Canvas.h"

namespace codelume {

// A frame of the given thickness just inside rect: its top and left edges in
// one colour, its bottom and right edges in the other (raised or sunken).
void PaintFrame(TCanvas& canvas, const TRect& rect, int32_t thickness, TColor topLeft,
                TColor bottomRight);

}  // namespace codelume
