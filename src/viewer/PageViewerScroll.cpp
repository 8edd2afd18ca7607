#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>

#include "document/SectionList.h"
#include "viewer/32ScrollBar.h"
#include "viewer/PageViewer.h"
#include "viewer/PaintPanel.h"

namespace codelume {

namespace {

constexpr int32_t WheelNotch = 120;
constexpr int32_t LinesPerNotch = 3;

}  // namespace

// Places the panel and decides which bars are needed for the laid-out size.
void TPageViewer::ArrangeBars() {
    if (FFrameView) {
        ArrangeFrameView();
        return;
    }
    const int32_t w0 = width(), h0 = height(), t = BarThickness;
    FContentWidth = std::min(FContentWidth, MaxContentWidth);
    const int32_t m = 2 * FMarginWidth + FContentWidth;
    const int32_t b = FBorderStyle == htNone ? 0 : 1;
    const bool vAllowed = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool hAllowed = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool vNeeded = vAllowed && (FScrollBarsAlways || FContentHeight >= h0 - 2 ||
                                      (hAllowed && FContentHeight >= h0 - 2 - t && m > w0 - t));
    const bool hNeeded = hAllowed && (FScrollBarsAlways || m > w0 || (vNeeded && m > w0 - t));
    const int32_t w = vNeeded ? w0 - t : w0;
    const int32_t panelWidth = std::max(0, w - 2 * b);
    const int32_t panelHeight = std::max(0, h0 - 2 * b - (hNeeded ? t : 0));
    FPanel->setGeometry(b, b, panelWidth, panelHeight);

    HorzMax = std::max({0, m, w - 2 * b});
    FHScrollBar->setGeometry(b, h0 - t - b, w - b, t);
    FHScrollBar->SetLargeChange(std::max(1, w - 20));
    FHScrollBar->SetParams(0, HorzMax, panelWidth + 1, ClampHorz(FHScrollBar->Position()));
    FHScrollBar->setVisible(hNeeded);

    FVScrollBar->setGeometry(w0 - t - b, b, t, panelHeight);
    FVScrollBar->SetLargeChange(panelHeight - VScrollSmallChange());
    FVScrollBar->setVisible(vNeeded);
    FVScrollBar->SetParams(0, FContentHeight, panelHeight + 1, FVScrollBar->Position());
}

int32_t TPageViewer::VScrollSmallChange() const { return FVScrollBar->SmallChange(); }

int32_t TPageViewer::BottomPosition() const { return FContentHeight - FPanel->height(); }

int32_t TPageViewer::ClampScroll(int32_t y) const {
    return std::max(std::min(y, BottomPosition()), 0);
}

int32_t TPageViewer::ClampHorz(int32_t x) const {
    return std::max(std::min(x, HorzMax - FPanel->width()), 0);
}

int32_t TPageViewer::ScrollY() const { return FDocument->ScrollY; }

int32_t TPageViewer::HorzPosition() const { return FHScrollBar->Position(); }

void TPageViewer::ScrollToY(int32_t y) {
    y = ClampScroll(y);
    FVScrollBar->SetPosition(y);
    FDocument->SetScrollY(y);
    FPanel->update();
}

// Moves the view by window-scrolling the panel: only the strip that comes
// into view is painted again.
void TPageViewer::MoveTo(int32_t y) {
    y = ClampScroll(y);
    int32_t old = ScrollY();
    FVScrollBar->SetPosition(y);
    FDocument->SetScrollY(y);
    if (y != old) FPanel->scroll(0, old - y);
}

void TPageViewer::SetHorzPosition(int32_t x) {
    FHScrollBar->SetPosition(ClampHorz(x));
    FPanel->update();
}

void TPageViewer::VScrollAction(int action) {
    setFocus();
    MoveTo(FVScrollBar->ActionTarget(action, BottomPosition()));
}

void TPageViewer::HScrollAction(int action) {
    setFocus();
    SetHorzPosition(FHScrollBar->ActionTarget(action, HorzMax));
}

void TPageViewer::ScrollByKey(int32_t target) {
    int32_t y = ClampScroll(target);
    if (std::abs(y - ScrollY()) == VScrollSmallChange())
        MoveTo(y);
    else
        ScrollToY(y);
}

void TPageViewer::keyPressEvent(QKeyEvent* event) {
    const int32_t y = ScrollY();
    switch (event->key()) {
        case Qt::Key_PageUp:
            ScrollByKey(y - FVScrollBar->LargeChange());
            break;
        case Qt::Key_PageDown:
            ScrollByKey(y + FVScrollBar->LargeChange());
            break;
        case Qt::Key_Home:
            ScrollByKey(0);
            break;
        case Qt::Key_End:
            ScrollByKey(FContentHeight);
            break;
        case Qt::Key_Up:
            ScrollByKey(y - VScrollSmallChange());
            break;
        case Qt::Key_Down:
            ScrollByKey(y + VScrollSmallChange());
            break;
        case Qt::Key_Left:
            SetHorzPosition(HorzPosition() - FHScrollBar->SmallChange());
            break;
        case Qt::Key_Right:
            SetHorzPosition(HorzPosition() + FHScrollBar->SmallChange());
            break;
        default:
            if (event->matches(QKeySequence::Copy))
                CopyToClipboard();
            else if (event->matches(QKeySequence::SelectAll))
                SelectAll();
            else
                QWidget::keyPressEvent(event);
    }
}

// Three small changes per notch; fractions of a notch add up.
void TPageViewer::wheelEvent(QWheelEvent* event) {
    WheelRemainder += event->angleDelta().y();
    int32_t notches = WheelRemainder / WheelNotch;
    WheelRemainder -= notches * WheelNotch;
    if (notches != 0) MoveTo(ScrollY() - notches * LinesPerNotch * VScrollSmallChange());
    event->accept();
}

// A change of width lays the page out again at the same block; a change of
// height only moves the bars.
void TPageViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() == LastWidth || FBusy)
        ArrangeBars();
    else
        RelayoutKeepingPlace();
    if (FContentHeight < FPanel->height())
        RestorePosition(TPositionKey{});
    else
        ScrollToY(ScrollY());
    SetHorzPosition(HorzPosition());
}

TPositionKey TPageViewer::PositionKey() const {
    int32_t top = 0;
    int32_t index = 0;
    if (!FDocument->BlockAt(ScrollY(), top, index)) return TPositionKey{};
    return TPositionKey{index, ScrollY() - top};
}

void TPageViewer::RestorePosition(TPositionKey key) {
    if (key.Block < 0 || key.Block >= FDocument->Blocks.Count()) return;
    ScrollToY(CheckedAdd(FDocument->HeightBefore(key.Block), key.Offset));
}

}  // namespace codelume
