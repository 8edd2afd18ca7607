// The fixed-metrics canvas, counting what it is asked to measure: tests of
// how the work of a layout grows with its input.
#pragma once

#include <cstdint>
#include <string_view>

#include "canvas/FixedCanvas.h"

namespace codelume {

class TCountingCanvas : public TFixedCanvas {
public:
    int64_t Measurements = 0;   // calls of TextExtent
    int64_t MeasuredBytes = 0;  // the bytes they measured

    int32_t TextExtent(const TFont& font, std::string_view bytes) override {
        ++Measurements;
        MeasuredBytes += static_cast<int64_t>(bytes.size());
        return TFixedCanvas::TextExtent(font, bytes);
    }
};

}  // namespace codelume
