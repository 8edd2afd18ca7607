#include "viewer/PaintPanel.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "qt/ScreenCanvas.h"
#include "viewer/PageViewer.h"

namespace codelume {

namespace {

// A failed link (a missing file) is shown to the user; the viewer stays usable.
void ShowError(QWidget* parent, const std::exception& error) {
    auto* box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                QString::fromLocal8Bit(error.what()), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace

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
    TScreenCanvas canvas(painter);
    Viewer.PaintContent(canvas, ToRect(event->rect()));
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
        ShowError(this, error);
    }
}

void TPaintPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) Viewer.PanelDoubleClick(p.x(), p.y());
}

}  // namespace codelume
