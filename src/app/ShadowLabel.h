// TShadowLabel: a windowless caption label that draws its text twice, first a
// shadow copy in ShadowColor shifted diagonally by ShadowSize pixels, then the
// text itself on top. It sizes itself to the caption unless AutoSize is off.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "document/Section.h"

namespace codelume {

// The horizontal alignment is the document's TAlignment.
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
enum TShadowPosition : uint8_t { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

class TShadowLabel : public QWidget {
    Q_OBJECT

public:
    explicit TShadowLabel(QWidget* parent = nullptr);

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout layout);
    const QColor& ShadowColor() const { return FShadowColor; }
    void SetShadowColor(const QColor& color);
    uint8_t ShadowSize() const { return FShadowSize; }
    void SetShadowSize(uint8_t size);
    TShadowPosition ShadowPos() const { return FShadowPos; }
    void SetShadowPos(TShadowPosition position);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool show);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool show);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* control);

    // Resizes the label to the caption, text and shadow together.
    void FitToText();

signals:
    void MouseEnter();
    void MouseLeave();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class TDrawMode { dmDraw, dmMeasure };
    struct TShadow {
        QColor TextColor;
        QColor Color;
        int Size;
        TShadowPosition Position;
    };

    TShadow CurrentShadow() const;
    int WrapFormat() const;
    Qt::Alignment VisualAlignment() const;
    bool IsRightAligned() const;
    void DoDrawText(QPainter* painter, QRect& r, int format, TDrawMode mode) const;
    void PaintShadowedText(QPainter* painter, const QString& text, const TShadow& shadow,
                           int format, TDrawMode mode, QRect& r) const;
    void PlaceVertically(QRect& r, int format) const;
    void DrawFocusRect(QPainter& painter, const QRect& r) const;
    void UpdateAccelerator();
    void FocusChanged(QWidget* now);
    void RefreshHover();
    void SetMouseOver(bool over);

    QString FCaption;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TTextLayout FLayout = tlTop;
    QColor FShadowColor;
    uint8_t FShadowSize = 1;
    TShadowPosition FShadowPos = spLeftTop;
    bool FShowAccelChar = true;
    bool FShowFocus = false;
    bool FTransparent = false;
    bool FWordWrap = false;
    QPointer<QWidget> FFocusControl;

    bool MouseOver = false;
    bool LeftPressed = false;
    bool FocusShown = false;
    int AccelId = 0;
};

}  // namespace codelume
