#include "app/ShadowLabel.h"

#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace codelume {

namespace {

QPoint ShadowOffset(TShadowPosition position, int size) {
    switch (position) {
        case spLeftTop:
            return {-size, -size};
        case spLeftBottom:
            return {-size, size};
        case spRightBottom:
            return {size, size};
        case spRightTop:
            return {size, -size};
    }
    return {};
}

// The rectangle the text needs when laid out from r's top left corner.
QRect MeasureText(const QFontMetrics& metrics, const QRect& r, int format, const QString& text) {
    constexpr int alignment = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask;
    int leftTop = (format & ~alignment) | Qt::AlignLeft | Qt::AlignTop;
    QRect bounds = metrics.boundingRect(r, leftTop, text);
    return {r.topLeft(), bounds.size()};
}

// The right edge of r as an exclusive coordinate.
int RightEdge(const QRect& r) { return r.x() + r.width(); }
int BottomEdge(const QRect& r) { return r.y() + r.height(); }

}  // namespace

TShadowLabel::TShadowLabel(QWidget* parent) : QWidget(parent) {
    FShadowColor = palette().color(QPalette::Active, QPalette::Light);
    resize(65, 17);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

void TShadowLabel::SetCaption(const QString& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    UpdateAccelerator();
    update();
    FitToText();
}

void TShadowLabel::SetAlignment(TAlignment alignment) {
    if (alignment == FAlignment) return;
    FAlignment = alignment;
    update();
}

void TShadowLabel::SetAutoSize(bool autoSize) {
    if (autoSize == FAutoSize) return;
    FAutoSize = autoSize;
    FitToText();
}

void TShadowLabel::SetLayout(TTextLayout layout) {
    if (layout == FLayout) return;
    FLayout = layout;
    update();
}

void TShadowLabel::SetShadowColor(const QColor& color) {
    if (color == FShadowColor) return;
    FShadowColor = color;
    update();
}

void TShadowLabel::SetShadowSize(uint8_t size) {
    if (size == FShadowSize) return;
    FShadowSize = size;
    FitToText();
    update();
}

void TShadowLabel::SetShadowPos(TShadowPosition position) {
    if (position == FShadowPos) return;
    FShadowPos = position;
    update();
}

void TShadowLabel::SetShowAccelChar(bool show) {
    if (show == FShowAccelChar) return;
    FShowAccelChar = show;
    UpdateAccelerator();
    update();
}

void TShadowLabel::SetShowFocus(bool show) {
    if (show == FShowFocus) return;
    FShowFocus = show;
    update();
}

void TShadowLabel::SetTransparent(bool transparent) {
    if (transparent == FTransparent) return;
    FTransparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void TShadowLabel::SetWordWrap(bool wordWrap) {
    if (wordWrap == FWordWrap) return;
    FWordWrap = wordWrap;
    FitToText();
}

// QPointer clears the reference when the control is destroyed.
void TShadowLabel::SetFocusControl(QWidget* control) {
    FFocusControl = control;
    if (FShowFocus) update();
}

void TShadowLabel::FitToText() {
    if (!FAutoSize) return;
    QRect r = rect().adjusted(1, 0, -1, 0);
    DoDrawText(nullptr, r, WrapFormat(), TDrawMode::dmMeasure);
    r.adjust(-1, 0, 1, 0);
    int newWidth = RightEdge(r);
    int left = x();
    if (IsRightAligned()) left += width() - newWidth;
    setGeometry(left, y(), newWidth, BottomEdge(r));
}

int TShadowLabel::WrapFormat() const {
    return (FWordWrap ? Qt::TextWordWrap : 0) | Qt::TextExpandTabs;
}

Qt::Alignment TShadowLabel::VisualAlignment() const {
    Qt::Alignment flag = FAlignment == taCenter         ? Qt::AlignHCenter
                         : FAlignment == taRightJustify ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    return QStyle::visualAlignment(layoutDirection(), flag);
}

bool TShadowLabel::IsRightAligned() const { return (VisualAlignment() & Qt::AlignRight) != 0; }

// A disabled label is grey with a highlight shadow; without a shadow of its
// own it gets one pixel to the lower right, which looks engraved.
TShadowLabel::TShadow TShadowLabel::CurrentShadow() const {
    if (isEnabled())
        return {palette().color(QPalette::WindowText), FShadowColor, FShadowSize, FShadowPos};
    TShadow shadow{palette().color(QPalette::Disabled, QPalette::WindowText),
                   palette().color(QPalette::Active, QPalette::Light), FShadowSize, FShadowPos};
    if (shadow.Size == 0) shadow = {shadow.TextColor, shadow.Color, 1, spRightBottom};
    return shadow;
}

// Qt breaks lines at line feeds only. A label that measures an empty caption
// (or a lone accelerator mark) measures a blank, so it keeps one line's height.
void TShadowLabel::DoDrawText(QPainter* painter, QRect& r, int format, TDrawMode mode) const {
    QString text = FCaption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (mode == TDrawMode::dmMeasure &&
        (text.isEmpty() || (FShowAccelChar && text == QStringLiteral("&"))))
        text += QLatin1Char(' ');
    if (FShowAccelChar) format |= Qt::TextShowMnemonic;
    if (layoutDirection() == Qt::RightToLeft) format |= Qt::TextForceRightToLeft;
    PaintShadowedText(painter, text, CurrentShadow(), format, mode, r);
}

// Draws the shadow copy, then the text; r becomes the union of both. When
// measuring, nothing is drawn and r is the rectangle both together need.
void TShadowLabel::PaintShadowedText(QPainter* painter, const QString& text, const TShadow& shadow,
                                     int format, TDrawMode mode, QRect& r) const {
    QRect textRect = r;
    QRect shadowRect = r.translated(ShadowOffset(shadow.Position, shadow.Size));
    if (mode == TDrawMode::dmMeasure) {
        QFontMetrics metrics(font());
        textRect = MeasureText(metrics, textRect, format, text);
        shadowRect = MeasureText(metrics, shadowRect, format, text);
    } else {
        painter->setPen(shadow.Color);
        painter->drawText(shadowRect, format, text);
        painter->setPen(shadow.TextColor);
        painter->drawText(textRect, format, text);
    }
    r = textRect.united(shadowRect);
}

void TShadowLabel::paintEvent(QPaintEvent*) {
    if (!isEnabled()) LeftPressed = false;
    QPainter painter(this);
    if (!FTransparent) painter.fillRect(rect(), palette().color(backgroundRole()));
    QRect r = rect().adjusted(1, 0, -1, 0);
    int format = WrapFormat() | static_cast<int>(VisualAlignment());
    PlaceVertically(r, format);
    DoDrawText(&painter, r, format, TDrawMode::dmDraw);
    if (FShowFocus && FFocusControl && FocusShown) DrawFocusRect(painter, r.adjusted(-1, -1, 1, 1));
}

// Centres the text block or moves it to the bottom, across the full width.
void TShadowLabel::PlaceVertically(QRect& r, int format) const {
    if (FLayout == tlTop) return;
    DoDrawText(nullptr, r, format, TDrawMode::dmMeasure);
    r.setLeft(0);
    r.setRight(width() - 1);
    int shift = height() - BottomEdge(r);
    r.translate(0, FLayout == tlBottom ? shift : shift / 2);
}

// The text and shadow reach past the client area, so the rectangle is kept
// inside it; otherwise most of its edges would be clipped away. Styles that
// draw focus only after keyboard navigation are told that it happened.
void TShadowLabel::DrawFocusRect(QPainter& painter, const QRect& r) const {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.state |= QStyle::State_KeyboardFocusChange;
    option.rect = r.intersected(rect());
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TShadowLabel::UpdateAccelerator() {
    if (AccelId != 0) releaseShortcut(AccelId);
    AccelId = 0;
    QKeySequence key = QKeySequence::mnemonic(FCaption);
    if (FShowAccelChar && !key.isEmpty()) AccelId = grabShortcut(key);
}

bool TShadowLabel::event(QEvent* event) {
    if (event->type() != QEvent::Shortcut ||
        static_cast<QShortcutEvent*>(event)->shortcutId() != AccelId)
        return QWidget::event(event);
    bool canFocus = FFocusControl && FFocusControl->isEnabled() && FFocusControl->isVisible();
    if (canFocus && isEnabled() && FShowAccelChar) FFocusControl->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void TShadowLabel::FocusChanged(QWidget* now) {
    bool shown = FFocusControl && FFocusControl == now;
    if (shown == FocusShown) return;
    FocusShown = shown;
    if (FShowFocus) update();
}

void TShadowLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) FitToText();
    if (event->type() == QEvent::EnabledChange) RefreshHover();
    QWidget::changeEvent(event);
}

void TShadowLabel::showEvent(QShowEvent* event) {
    RefreshHover();
    QWidget::showEvent(event);
}

// The mouse is over the label when the label is enabled, lies topmost under
// the cursor and this application has the active window.
void TShadowLabel::RefreshHover() {
    bool over = isEnabled() && QApplication::widgetAt(QCursor::pos()) == this &&
                QApplication::activeWindow();
    SetMouseOver(over);
}

void TShadowLabel::SetMouseOver(bool over) {
    if (over == MouseOver) return;
    MouseOver = over;
    if (over)
        emit MouseEnter();
    else
        emit MouseLeave();
}

void TShadowLabel::enterEvent(QEnterEvent* event) {
    if (!MouseOver && isEnabled() && QApplication::activeWindow()) SetMouseOver(true);
    QWidget::enterEvent(event);
}

// A label held down by the left button keeps its hover state until release.
void TShadowLabel::leaveEvent(QEvent* event) {
    if (MouseOver && isEnabled() && !LeftPressed) SetMouseOver(false);
    QWidget::leaveEvent(event);
}

void TShadowLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) LeftPressed = true;
    if (event->button() == Qt::RightButton) RefreshHover();
}

void TShadowLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) LeftPressed = false;
    RefreshHover();
}

}  // namespace codelume
