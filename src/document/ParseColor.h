// Colour values of HTML attributes: the sixteen colour names or a hexadecimal
// RRGGBB, with or without a '#'.
#pragma once

#include <string_view>

#include "base/Colors.h"

namespace codelume {

// On success color is 0x00BBGGRR without the palette-relative flag (callers add it).
bool ParseColor(std::string_view text, TColor& color);

}  // namespace codelume
