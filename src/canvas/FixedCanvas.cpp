#include "canvas/FixedCanvas.h"

#include "base/Arith.h"
#include "base/Format.h"
#include "canvas/Utf8.h"

namespace codelume {

namespace {

std::string ColorText(TColor color) { return Format("%06X", static_cast<unsigned>(color)); }

std::string RectText(const TRect& r) {
    return Format("%d,%d,%d,%d", r.Left, r.Top, r.Right, r.Bottom);
}

}  // namespace

std::string QuoteBytes(std::string_view bytes) {
    std::string quoted = "\"";
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') quoted += '\\';
        if (byte < 32)
            quoted += Format("\\x%02X", byte);
        else
            quoted += c;
    }
    return quoted + "\"";
}

int32_t TFixedCanvas::PixelSize(int32_t points) { return MulDiv(points, 96, 72); }

TTextMetrics TFixedCanvas::TextMetrics(const TFont& font) {
    int32_t s = PixelSize(font.Size);
    return {s, 0, s - s / 4, s / 4, 0};
}

int32_t TFixedCanvas::TextExtent(const TFont& font, std::string_view bytes) {
    return CheckedMul(Utf8CharCount(bytes), (PixelSize(font.Size) + 1) / 2);
}

void TFixedCanvas::TextOut(const TFont& font, int32_t x, int32_t baseline, std::string_view bytes,
                           TColor color, std::optional<TColor> background,
                           std::optional<TRect> clip) {
    std::string call =
        Format("TextOut %d,%d %s %s size=%d style=%d", x, baseline, QuoteBytes(bytes).c_str(),
               ColorText(color).c_str(), font.Size, font.Style);
    if (background) call += " bg=" + ColorText(*background);
    if (clip) call += " clip=" + RectText(*clip);
    FCalls.push_back(call);
}

void TFixedCanvas::FillRect(const TRect& rect, TColor color) {
    FCalls.push_back("FillRect " + RectText(rect) + " " + ColorText(color));
}

void TFixedCanvas::Line(TPoint from, TPoint to, TColor color) {
    FCalls.push_back(
        Format("Line %d,%d %d,%d %s", from.X, from.Y, to.X, to.Y, ColorText(color).c_str()));
}

void TFixedCanvas::Ellipse(const TRect& rect, TColor pen, std::optional<TColor> fill) {
    FCalls.push_back("Ellipse " + RectText(rect) + " " + ColorText(pen) +
                     (fill ? " fill=" + ColorText(*fill) : ""));
}

void TFixedCanvas::DrawImage(const TPicture& picture, int32_t frame, const TRect& dest,
                             std::optional<TRect> clip) {
    std::string call = Format("DrawImage %s %dx%d frame=%d", RectText(dest).c_str(),
                              picture.Size.Width, picture.Size.Height, frame);
    if (clip) call += " clip=" + RectText(*clip);
    FCalls.push_back(call);
}

void TFixedCanvas::TileImage(const TPicture& picture, const TRect& area, TPoint origin) {
    FCalls.push_back(Format("TileImage %s %dx%d from %d,%d", RectText(area).c_str(),
                            picture.Size.Width, picture.Size.Height, origin.X, origin.Y));
}

void TFixedCanvas::SetClip(const TRect& rect) { FCalls.push_back("SetClip " + RectText(rect)); }

void TFixedCanvas::ResetClip() { FCalls.emplace_back("ResetClip"); }

void TFixedCanvas::SetMapping(const TMapping& m) {
    FCalls.push_back(Format("SetMapping %d %d,%d %d,%d", m.LogicalPpi, m.DeviceDpiX, m.DeviceDpiY,
                            m.Origin.X, m.Origin.Y));
}

}  // namespace codelume
