#include "viewer/PaintPanel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "qt/ScreenCanvas.h"
#include "viewer/PageViewer.h"

namespace codelume {

TPaintPanel::TPaintPanel(TPageViewer& viewer) : QWidget(&viewer), Viewer(viewer) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

// Only the exposed region is filled and painted; Qt's backing store keeps
// the rest, so scrolling and repainting never flicker.
void TPaintPanel::paintEvent(QPaintEvent* event) {
    if (Viewer.PaintLocked) return;
    QPainter painter(this);
    painter.fillRect(event->rect(), Color);
    TScreenCanvas canvas(painter, *Viewer.ScreenFonts);
    Viewer.PaintContent(canvas, ToRect(event->rect()));
    Viewer.FirstPaint.Painted();
}

void TPaintPanel::mousePressEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    Viewer.PanelMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TPaintPanel::mouseMoveEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    Viewer.PanelMouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void TPaintPanel::mouseReleaseEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    try {
        Viewer.PanelMouseUp(event->button(), event->modifiers(), p.x(), p.y());
    } catch (const std::exception& error) {
        Viewer.ShowError(error.what());  // a link to a missing file, say; the viewer stays usable
    }
}

void TPaintPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) Viewer.PanelDoubleClick(p.x(), p.y());
}

}  // namespace codelume
