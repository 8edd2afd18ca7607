// A canvas font with its size relative to a base of 12 and the flag that it takes
// the preformatted face. Copying a TMyFont copies all of it.
#pragma once

#include <cstdint>

#include "base/Arith.h"
#include "canvas/CanvasTypes.h"

namespace codelume {

struct TMyFont : TFont {
    int32_t BaseSize = 12;
    bool IsMono = false;

    // The point size follows the base size at the document's font size.
    void SetBaseSize(int32_t value, int32_t documentFontSize) {
        BaseSize = value;
        Size = MulDiv(documentFontSize, value, 12);
    }
};

// The base size of preformatted text.
constexpr int32_t PreBaseSize = 10;

}  // namespace codelume
