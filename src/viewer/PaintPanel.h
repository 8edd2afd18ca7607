// TPaintPanel is the viewer's drawing surface: a child covering the area
// inside the border and the scroll bars. It paints only the exposed region
// (Qt's backing store double-buffers it) and hands mouse events to its viewer.
#pragma once

#include <QWidget>

namespace codelume {

class TPageViewer;

class TPaintPanel : public QWidget {
public:
    explicit TPaintPanel(TPageViewer& viewer);

    QColor Color;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TPageViewer& Viewer;
};

}  // namespace codelume
