#include "print/PrinterCanvas.h"

#include "print/PagePrinter.h"

namespace codelume {

TCanvas& TPrinterCanvas::Surface() {
    PagePrinter.RequirePrinting();
    return PagePrinter.Device().Canvas();
}

// Measuring needs a printer but no job.
TCanvas& TPrinterCanvas::Measurer() const { return PagePrinter.Device().Canvas(); }

TTextMetrics TPrinterCanvas::TextMetrics(const TFont& font) { return Measurer().TextMetrics(font); }

int32_t TPrinterCanvas::TextExtent(const TFont& font, std::string_view bytes) {
    return Measurer().TextExtent(font, bytes);
}

int32_t TPrinterCanvas::PixelsPerInch() const { return Measurer().PixelsPerInch(); }

bool TPrinterCanvas::IsMonochrome() const { return Measurer().IsMonochrome(); }

void TPrinterCanvas::TextOut(const TFont& font, int32_t x, int32_t baseline, std::string_view bytes,
                             TColor color, std::optional<TColor> background,
                             std::optional<TRect> clip) {
    Surface().TextOut(font, x, baseline, bytes, color, background, clip);
}

void TPrinterCanvas::FillRect(const TRect& rect, TColor color) { Surface().FillRect(rect, color); }

void TPrinterCanvas::Line(TPoint from, TPoint to, TColor color) { Surface().Line(from, to, color); }

void TPrinterCanvas::Ellipse(const TRect& rect, TColor pen, std::optional<TColor> fill) {
    Surface().Ellipse(rect, pen, fill);
}

void TPrinterCanvas::DrawImage(const TPicture& picture, int32_t frame, const TRect& dest,
                               std::optional<TRect> clip) {
    Surface().DrawImage(picture, frame, dest, clip);
}

void TPrinterCanvas::TileImage(const TPicture& picture, const TRect& area, TPoint origin) {
    Surface().TileImage(picture, area, origin);
}

void TPrinterCanvas::SetClip(const TRect& rect) { Surface().SetClip(rect); }

void TPrinterCanvas::ResetClip() { Surface().ResetClip(); }

void TPrinterCanvas::SetMapping(const TMapping& mapping) { Surface().SetMapping(mapping); }

}  // namespace codelume
