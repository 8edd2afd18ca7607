// The drawing seam: everything the engine asks of a screen, an image or a printer.
// Stateless: every call carries its own font and colours.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "canvas/CanvasTypes.h"
#include "canvas/Picture.h"

namespace codelume {

class TCanvas {
public:
    virtual ~TCanvas() = default;

    // Measuring. Text is bytes; the platform decides how to show them.
    virtual TTextMetrics TextMetrics(const TFont& font) = 0;
    virtual int32_t TextExtent(const TFont& font, std::string_view bytes) = 0;
    virtual int32_t PixelsPerInch() const = 0;

    // Drawing. TextOut draws on a baseline, transparent unless a background is
    // given, and only inside clip when one is given. Overrides and callers name
    // every argument, so there is one form of the call.
    virtual void TextOut(const TFont& font, int32_t x, int32_t baseline, std::string_view bytes,
                         TColor color, std::optional<TColor> background,
                         std::optional<TRect> clip) = 0;
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    virtual void Line(TPoint from, TPoint to, TColor color) = 0;
    virtual void Ellipse(const TRect& rect, TColor pen, std::optional<TColor> fill) = 0;
    // Draws one frame of a picture scaled into dest, only inside clip when one
    // is given. A picture comes from the platform this canvas draws on.
    virtual void DrawImage(const TPicture& picture, int32_t frame, const TRect& dest,
                           std::optional<TRect> clip) = 0;
    // Covers area with copies of a picture's first frame at its own size, one
    // of them with its top left at origin. One call however small the picture,
    // so a background of one-pixel strips costs no more than a large one.
    virtual void TileImage(const TPicture& picture, const TRect& area, TPoint origin) = 0;
    virtual void SetClip(const TRect& rect) = 0;
    virtual void ResetClip() = 0;
    virtual void SetMapping(const TMapping& mapping) = 0;
    virtual bool IsMonochrome() const = 0;
};

}  // namespace codelume
