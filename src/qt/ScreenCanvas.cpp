#include "qt/ScreenCanvas.h"

#include <QPaintDevice>
#include <algorithm>
#include <cassert>

#include "qt/QtColors.h"
#include "qt/QtPicture.h"

namespace codelume {

QRect ToQRect(const TRect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }

TRect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

TScreenCanvas::TScreenCanvas(TFontCache& fonts) : Painter(nullptr), Fonts(fonts) {}

TScreenCanvas::TScreenCanvas(QPainter& painter, TFontCache& fonts)
    : Painter(&painter), Fonts(fonts) {}

TTextMetrics TScreenCanvas::TextMetrics(const TFont& font) {
    return Fonts.Lookup(font).TextMetrics;
}

int32_t TScreenCanvas::TextExtent(const TFont& font, std::string_view bytes) {
    return Fonts.TextExtent(font, bytes);
}

void TScreenCanvas::TextOut(const TFont& font, int32_t x, int32_t baseline, std::string_view bytes,
                            TColor color, std::optional<TColor> background,
                            std::optional<TRect> clip) {
    if (!Painter) return;
    const TFontCache::TEntry& entry = Fonts.Lookup(font);
    if (clip) {
        Painter->save();
        Painter->setClipRect(ToQRect(*clip), Qt::IntersectClip);
    }
    if (background) {
        const TTextMetrics& metrics = entry.TextMetrics;
        Painter->fillRect(
            QRect(x, baseline - metrics.Ascent, TextExtent(font, bytes), metrics.Height),
            ToQColor(*background));
    }
    Painter->setFont(entry.Font);
    Painter->setPen(ToQColor(color));
    Painter->drawText(QPoint(x, baseline), DecodeBytes(bytes));
    if (clip) Painter->restore();
}

void TScreenCanvas::FillRect(const TRect& rect, TColor color) {
    if (Painter) Painter->fillRect(ToQRect(rect), ToQColor(color));
}

void TScreenCanvas::Line(TPoint from, TPoint to, TColor color) {
    if (!Painter) return;
    Painter->setPen(ToQColor(color));
    Painter->drawLine(from.X, from.Y, to.X, to.Y);
}

void TScreenCanvas::Ellipse(const TRect& rect, TColor pen, std::optional<TColor> fill) {
    if (!Painter) return;
    Painter->setPen(ToQColor(pen));
    Painter->setBrush(fill ? QBrush(ToQColor(*fill)) : QBrush(Qt::NoBrush));
    Painter->drawEllipse(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    Painter->setBrush(Qt::NoBrush);
}

namespace {

// The device pixels that rect covers under painter's mapping.
QSize DevicePixels(const QPainter& painter, const TRect& rect) {
    QRectF mapped = painter.combinedTransform().mapRect(QRectF(ToQRect(rect)));
    qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
    return (mapped.size() * ratio).toSize();
}

// The frame of a picture decoded for this platform, for drawing into pixels
// device pixels; none for a picture that does not decode.
const QImage* FrameOf(const TPicture& picture, int32_t frame, QSize pixels) {
    const auto* qtPicture = dynamic_cast<const TQtPicture*>(&picture);
    assert(qtPicture && "a picture from another platform");
    return qtPicture ? qtPicture->Frame(frame, pixels) : nullptr;
}

}  // namespace

void TScreenCanvas::DrawImage(const TPicture& picture, int32_t frame, const TRect& dest,
                              std::optional<TRect> clip) {
    if (!Painter || dest.Width() <= 0 || dest.Height() <= 0) return;
    QSize pixels = DevicePixels(*Painter, dest);
    const QImage* image = FrameOf(picture, frame, pixels);
    if (!image) return;
    Painter->save();
    if (clip) Painter->setClipRect(ToQRect(*clip), Qt::IntersectClip);
    Painter->setRenderHint(QPainter::SmoothPixmapTransform, image->size() != pixels);
    Painter->drawImage(ToQRect(dest), *image);
    Painter->restore();
}

void TScreenCanvas::TileImage(const TPicture& picture, const TRect& area, TPoint origin) {
    if (!Painter) return;
    const QImage* image = FrameOf(picture, 0, {picture.Size.Width, picture.Size.Height});
    if (!image) return;
    Painter->save();
    Painter->setBrushOrigin(origin.X, origin.Y);
    Painter->fillRect(ToQRect(area), QBrush(*image));
    Painter->restore();
}

void TScreenCanvas::SetClip(const TRect& rect) {
    if (Painter) Painter->setClipRect(ToQRect(rect));
}

void TScreenCanvas::ResetClip() {
    if (Painter) Painter->setClipping(false);
}

void TScreenCanvas::SetMapping(const TMapping& mapping) {
    if (!Painter) return;
    QTransform transform;
    transform.scale(static_cast<double>(mapping.DeviceDpiX) / mapping.LogicalPpi,
                    static_cast<double>(mapping.DeviceDpiY) / mapping.LogicalPpi);
    transform.translate(-mapping.Origin.X, -mapping.Origin.Y);
    Painter->setWorldTransform(transform);
}

bool TScreenCanvas::IsMonochrome() const {
    return Painter && Painter->device() && Painter->device()->depth() <= 1;
}

}  // namespace codelume
