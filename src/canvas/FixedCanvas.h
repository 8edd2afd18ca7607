// A canvas with metrics simple enough to compute layouts by hand: at 96 pixels per
// inch a p-point font is s = MulDiv(p, 96, 72) pixels high, descends s div 4 and
// every character (not byte) is (s + 1) div 2 wide. Every draw call is kept as a
// line of text.
#pragma once

#include <string>
#include <vector>

#include "canvas/Canvas.h"

namespace codelume {

class TFixedCanvas : public TCanvas {
public:
    enum class TDepth { Colour, Monochrome };

    explicit TFixedCanvas(TDepth depth = TDepth::Colour) : Depth(depth) {}

    TTextMetrics TextMetrics(const TFont& font) override;
    int32_t TextExtent(const TFont& font, std::string_view bytes) override;
    int32_t PixelsPerInch() const override { return 96; }

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
    bool IsMonochrome() const override { return Depth == TDepth::Monochrome; }

    // The draw calls so far, one line each, e.g. `TextOut 10,26 "abc" 000000`.
    const std::vector<std::string>& Calls() const { return FCalls; }
    void ClearCalls() { FCalls.clear(); }

    static int32_t PixelSize(int32_t points);

private:
    TDepth Depth;
    std::vector<std::string> FCalls;
};

// Writes text as the dump and the call log quote it: backslash before a
// backslash or a double quote, bytes below 32 as \xHH, the rest as they are (UTF-8).
std::string QuoteBytes(std::string_view bytes);

}  // namespace codelume
