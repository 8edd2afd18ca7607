// Colours across the seam: document colours lose their palette-relative flag and
// system colours come from the application palette.
#pragma once

#include <QColor>

#include "base/Colors.h"

namespace codelume {

QColor ToQColor(TColor color);

}  // namespace codelume
