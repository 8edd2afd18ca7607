// Fitting a piece of one run's text into a width, shared by layout and hit tests.
#pragma once

#include <cstdint>
#include <string_view>

#include "canvas/Canvas.h"
#include "document/FontObj.h"

namespace codelume {

struct TFit {
    int32_t Count = 0;  // characters that fit; a cut never splits a UTF-8 sequence
    int32_t Width = 0;  // their extent less the run's overhang
};

// The longest prefix of text whose extent less the overhang is at most space.
TFit FitText(TCanvas& canvas, const TFontObj& run, std::string_view text, int32_t space);

}  // namespace codelume
