#include "print/PageGeometry.h"

#include <algorithm>
#include <cmath>

#include "base/Arith.h"
#include "canvas/PrinterError.h"

namespace codelume {

namespace {

// The paper beyond the printable area at the right and bottom, in printer
// pixels; nothing when the device does not report its paper size.
TSize UnprintableStrips(const TPrintDevice& device, TPoint offset) {
    TSize printable = device.PrintableSize();
    TSize paper = device.PhysicalPage().value_or(TSize{-1, -1});
    int32_t right = CheckedSub(CheckedSub(paper.Width, printable.Width), offset.X);
    int32_t bottom = CheckedSub(CheckedSub(paper.Height, printable.Height), offset.Y);
    return TSize{std::max(right, 0), std::max(bottom, 0)};
}

// One direction of the page: the margin at the start, the text area after it
// and the whole printable extent, in printer and in screen pixels.
struct TPageAxis {
    int32_t StartPrn, StartScr, SizePrn, SizeScr, PrintableScr;
};

// a * b / c rounded down or up; c is positive.
int32_t ScaleDown(int32_t a, int32_t b, int32_t c) {
    int64_t product = int64_t{a} * b;
    return CheckedNarrow(product >= 0 ? product / c : -((-product + c - 1) / c));
}

int32_t ScaleUp(int32_t a, int32_t b, int32_t c) {
    int64_t product = int64_t{a} * b;
    return CheckedNarrow(product >= 0 ? (product + c - 1) / c : -(-product / c));
}

// The text area in screen pixels is rounded inward, so that everything drawn
// in it lands inside the margins on paper.
TPageAxis MeasureAxis(double startMargin, double endMargin, int32_t printable, int32_t offset,
                      int32_t strip, int32_t dpi, int32_t ppi) {
    TPageAxis axis;
    axis.StartPrn = CheckedSub(MarginToPixels(startMargin, dpi), offset);
    axis.StartScr = ScaleUp(axis.StartPrn, ppi, dpi);
    int32_t endPrn = CheckedSub(MarginToPixels(endMargin, dpi), strip);
    axis.SizePrn = CheckedSub(printable, CheckedAdd(axis.StartPrn, endPrn));
    int32_t endScr = ScaleDown(CheckedAdd(axis.StartPrn, axis.SizePrn), ppi, dpi);
    axis.SizeScr = CheckedSub(endScr, axis.StartScr);
    axis.PrintableScr = MulDiv(printable, ppi, dpi);
    return axis;
}

}  // namespace

int32_t MarginToPixels(double centimetres, int32_t dpi) {
    double pixels = std::trunc(centimetres / 2.54 * dpi);
    // Also refuses NaN, which fails both comparisons.
    if (!(pixels >= INT32_MIN && pixels <= INT32_MAX)) throw EIntOverflow();
    return static_cast<int32_t>(pixels);
}

TPageGeometry MeasurePage(const TPrintDevice& device, const TPrintMargins& margins, int32_t ppi) {
    TPageGeometry page;
    TSize resolution = device.Resolution();
    if (resolution.Width <= 0 || resolution.Height <= 0) throw EPrinter(SInvalidPrinter);
    page.DpiX = resolution.Width;
    page.DpiY = resolution.Height;
    page.Ppi = ppi;
    TPoint offset = device.PrintingOffset().value_or(TPoint{0, 0});
    TSize strips = UnprintableStrips(device, offset);
    TSize printable = device.PrintableSize();
    TPageAxis across = MeasureAxis(margins.Left, margins.Right, printable.Width, offset.X,
                                   strips.Width, page.DpiX, ppi);
    TPageAxis down = MeasureAxis(margins.Top, margins.Bottom, printable.Height, offset.Y,
                                 strips.Height, page.DpiY, ppi);
    page.LeftPrn = across.StartPrn;
    page.LeftScr = across.StartScr;
    page.WidthPrn = across.SizePrn;
    page.WidthScr = across.SizeScr;
    page.PageWidthScr = across.PrintableScr;
    page.TopPrn = down.StartPrn;
    page.TopScr = down.StartScr;
    page.HeightPrn = down.SizePrn;
    page.HeightScr = down.SizeScr;
    page.PageHeightScr = down.PrintableScr;
    if (page.WidthScr <= 0 || page.HeightScr <= 0) throw EPrinter(SNoRoomOnPage);
    return page;
}

TRect PageClip(const TPageGeometry& page) {
    return TRect{page.LeftPrn, page.TopPrn, page.LeftPrn + page.WidthPrn,
                 page.TopPrn + page.HeightPrn};
}

int32_t PpiToFit(int32_t contentWidth, int32_t widthPrn, int32_t dpi) {
    return ScaleUp(contentWidth, dpi, widthPrn);
}

}  // namespace codelume
