// Where the document lands on the paper: margins, text area and page size in
// printer pixels and in the screen pixels the print copy is laid out in.
#pragma once

#include <cstdint>

#include "canvas/PrintDevice.h"

namespace codelume {

// Distances from the paper edges, in centimetres.
struct TPrintMargins {
    double Left = 2.0;
    double Right = 2.0;
    double Top = 2.0;
    double Bottom = 2.0;
};

struct TPageGeometry {
    int32_t DpiX = 0, DpiY = 0;  // printer pixels per inch
    int32_t Ppi = 0;             // screen pixels per inch
    int32_t LeftPrn = 0, LeftScr = 0, WidthPrn = 0, WidthScr = 0;
    int32_t TopPrn = 0, TopScr = 0, HeightPrn = 0, HeightScr = 0;
    int32_t PageWidthScr = 0, PageHeightScr = 0;
};

// A margin in printer pixels, truncated toward zero.
int32_t MarginToPixels(double centimetres, int32_t dpi);

// Lays the margins onto the device's printable area, taking off the strips
// the device cannot print on. Raises when no text area is left.
TPageGeometry MeasurePage(const TPrintDevice& device, const TPrintMargins& margins, int32_t ppi);

// The part of the page the document may mark, in printer pixels: the text
// area between the four margins.
TRect PageClip(const TPageGeometry& page);

// The screen pixels per inch at which contentWidth screen pixels fill the
// text area's width (widthPrn printer pixels at dpi), rounded up so they fit.
int32_t PpiToFit(int32_t contentWidth, int32_t widthPrn, int32_t dpi);

}  // namespace codelume
