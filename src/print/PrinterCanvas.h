// The printer object's drawing surface: passes every call to the device's
// canvas, and refuses to draw while its printer runs no job.
#pragma once

#include "canvas/Canvas.h"

namespace codelume {

class TPagePrinter;

class TPrinterCanvas : public TCanvas {
public:
    explicit TPrinterCanvas(TPagePrinter& pagePrinter) : PagePrinter(pagePrinter) {}

    TTextMetrics TextMetrics(const TFont& font) override;
    int32_t TextExtent(const TFont& font, std::string_view bytes) override;
    int32_t PixelsPerInch() const override;

    void TextOut(const TFont& font, int32_t x, int32_t baseline, std::string_view bytes,
                 TColor color, std::optional<TColor> background,
                 std::optional<TRect> clip) override;
    void FillRect(const TRect& rect, TColor color) override;
    void Line(TPoint from, TPoint to, TColor color) override;
    void Ellipse(const TRect& rect, TColor pen, std::optional<TColor> fill) override;
    void DrawImage(const TPicture& picture, int32_t frame, const TRect& dest,
                   std::optional<TRect> clip) override;
    void TileImage(const TPicture& picture, const TRect& area, TPoint origin) override;
    void SetClip(const TRect& rect) override;
    void ResetClip() override;
    void SetMapping(const TMapping& mapping) override;
    bool IsMonochrome() const override;

private:
    // The device's canvas, once the printer is known to be printing.
    TCanvas& Surface();
    TCanvas& Measurer() const;

    TPagePrinter& PagePrinter;
};

}  // namespace codelume
