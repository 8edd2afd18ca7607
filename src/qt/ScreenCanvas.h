// The canvas over a borrowed QPainter (a widget, an image or a printer), with real
// fonts from a borrowed cache, at the cache's resolution. Built without a
// painter it only measures.
#pragma once

#include <QPainter>

#include "canvas/Canvas.h"
#include "qt/FontCache.h"

namespace codelume {

class TScreenCanvas : public TCanvas {
public:
    // A canvas that measures only; drawing on it does nothing.
    explicit TScreenCanvas(TFontCache& fonts);
    TScreenCanvas(QPainter& painter, TFontCache& fonts);

    TTextMetrics TextMetrics(const TFont& font) override;
    int32_t TextExtent(const TFont& font, std::string_view bytes) override;
    int32_t PixelsPerInch() const override { return Fonts.PixelsPerInch(); }

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
    QPainter* Painter;
    TFontCache& Fonts;
};

QRect ToQRect(const TRect& rect);
TRect ToRect(const QRect& rect);

}  // namespace codelume
