#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "app/ShadowLabel.h"

namespace codelume {
namespace {

using TMask = std::set<std::pair<int, int>>;

const QColor Background(0, 0, 255);
const QColor Shadow(255, 0, 0);

// Text without antialiasing, black on blue, with a red shadow, so every pixel
// belongs to exactly one of the three.
QFont BoxFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void Prepare(TShadowLabel& label, const QString& caption) {
    label.setFont(BoxFont());
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
    label.SetShadowColor(Shadow);
    label.SetCaption(caption);
}

QImage Render(TShadowLabel& label) {
    QImage image(label.size(), QImage::Format_RGB32);
    label.render(&image);
    return image;
}

TMask Pixels(const QImage& image, const QColor& color) {
    TMask mask;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) mask.insert({x, y});
    return mask;
}

// The pixels moved by (dx, dy), as far as they stay within the label.
TMask Moved(const TMask& pixels, int dx, int dy, QSize size) {
    TMask moved;
    for (auto [x, y] : pixels)
        if (QRect(QPoint(), size).contains(x + dx, y + dy)) moved.insert({x + dx, y + dy});
    return moved;
}

// Where a shadow at offset (dx, dy) shows: the text moved, less what the text covers.
TMask ShadowOf(const TMask& text, int dx, int dy, QSize size) {
    TMask shadow;
    for (auto pixel : Moved(text, dx, dy, size))
        if (!text.count(pixel)) shadow.insert(pixel);
    return shadow;
}

int TextWidth(const QString& text) { return QFontMetrics(BoxFont()).horizontalAdvance(text); }
// The height of one line as Qt lays text out.
int LineHeight() {
    return QFontMetrics(BoxFont())
        .boundingRect(QRect(0, 0, 100, 100), 0, QStringLiteral("X"))
        .height();
}

TEST(PaintShadowedText, DrawsTheShadowAtEachPosition) {
    struct TCase {
        const char* Name;
        TShadowPosition Position;
        int Size;
        int Dx;
        int Dy;
    };
    for (TCase row :
         {TCase{"Default", spLeftTop, 1, -1, -1}, TCase{"LeftBottom", spLeftBottom, 2, -2, 2},
          TCase{"RightBottom", spRightBottom, 1, 1, 1}, TCase{"RightTop", spRightTop, 3, 3, -3}}) {
        SCOPED_TRACE(row.Name);
        TShadowLabel label;
        Prepare(label, QStringLiteral("Hello"));
        label.SetAutoSize(false);
        label.resize(80, 30);
        if (row.Position != spLeftTop) label.SetShadowPos(row.Position);
        if (row.Size != 1) label.SetShadowSize(static_cast<uint8_t>(row.Size));
        label.SetShadowColor(Background);
        TMask text = Pixels(Render(label), Qt::black);
        label.SetShadowColor(Shadow);
        QImage image = Render(label);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(Pixels(image, Qt::black), text);
        EXPECT_EQ(Pixels(image, Shadow), ShadowOf(text, row.Dx, row.Dy, label.size()));
    }
    EXPECT_EQ(TShadowLabel().ShadowColor(),
              QApplication::palette().color(QPalette::Active, QPalette::Light));
}

TEST(FitToText, MakesTheLabelTwoPixelsWiderThanTheText) {
    struct TCase {
        const char* Caption;
        bool ShowAccelChar;
        QString Shown;
    };
    for (TCase row : {TCase{"Hello", true, "Hello"}, TCase{"A&&B", true, "A&B"},
                      TCase{"A&B", true, "AB"}, TCase{"A&B", false, "A&B"}, TCase{"", true, " "}}) {
        SCOPED_TRACE(row.Caption);
        TShadowLabel label;
        label.SetShowAccelChar(row.ShowAccelChar);
        Prepare(label, QString::fromUtf8(row.Caption));
        label.FitToText();
        EXPECT_EQ(label.width(), TextWidth(row.Shown) + 2);
        EXPECT_EQ(label.height(), LineHeight());
    }
}

TEST(FitToText, CountsTheShadowBelowAndKeepsARightAlignedEdge) {
    TShadowLabel label;
    Prepare(label, QStringLiteral("Hi"));
    label.SetAlignment(taRightJustify);
    label.move(100, 10);
    int right = label.x() + label.width();
    label.SetShadowPos(spRightBottom);
    label.SetShadowSize(3);
    EXPECT_EQ(label.width(), TextWidth("Hi") + 5);
    EXPECT_EQ(label.height(), LineHeight() + 3);
    EXPECT_EQ(label.x() + label.width(), right);
    EXPECT_EQ(label.y(), 10);
}

TEST(Paint, DisabledLabelLooksEngraved) {
    TShadowLabel label;
    Prepare(label, QStringLiteral("Hello"));
    label.SetShadowSize(0);
    TMask text = Pixels(Render(label), Qt::black);
    label.setEnabled(false);
    QImage image = Render(label);
    EXPECT_EQ(Pixels(image, label.palette().color(QPalette::Disabled, QPalette::WindowText)), text);
    EXPECT_EQ(Pixels(image, label.palette().color(QPalette::Active, QPalette::Light)),
              ShadowOf(text, 1, 1, label.size()));
}

TEST(Paint, BottomLayoutDrawsFromTheFullWidthAboveTheBottom) {
    TShadowLabel label;
    Prepare(label, QStringLiteral("Hello"));
    label.SetAutoSize(false);
    label.resize(80, 50);
    TMask top = Pixels(Render(label), Qt::black);
    label.SetLayout(tlBottom);
    // The measured block starts one pixel higher, where the shadow begins.
    EXPECT_EQ(Pixels(Render(label), Qt::black),
              Moved(top, -1, 50 - LineHeight() - 1, label.size()));
}

class ShadowLabelInWindow : public ::testing::Test {
protected:
    QWidget Window;
    TShadowLabel* Label = new TShadowLabel(&Window);
    QLineEdit* Edit = new QLineEdit(&Window);

    void SetUp() override {
        Label->move(50, 50);
        Edit->move(0, 100);
        QCursor::setPos(400, 400);
        Window.show();
        QApplication::setActiveWindow(&Window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    }
};

TEST_F(ShadowLabelInWindow, AcceleratorFocusesTheFocusControl) {
    Label->SetCaption(QStringLiteral("&Name"));
    Label->SetFocusControl(Edit);
    QTest::keyClick(&Window, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(Edit->hasFocus());
    delete Edit;
    EXPECT_EQ(Label->FocusControl(), nullptr);
}

TEST_F(ShadowLabelInWindow, FocusRectangleShowsAtTheEdgesWhileTheControlHasFocus) {
    Prepare(*Label, QStringLiteral("Name"));
    Label->SetShowFocus(true);
    Label->SetFocusControl(Edit);
    // How many of the four edges show something besides background, text and shadow.
    auto framedEdges = [this] {
        QImage image = Render(*Label);
        auto framed = [&](QPoint from, QPoint step, int count) {
            for (QPoint p = from; count-- > 0; p += step)
                if (!std::set<QRgb>{Background.rgb(), Shadow.rgb(), QColor(Qt::black).rgb()}.count(
                        image.pixel(p)))
                    return 1;
            return 0;
        };
        int w = image.width(), h = image.height();
        return framed({0, 0}, {1, 0}, w) + framed({0, h - 1}, {1, 0}, w) +
               framed({0, 0}, {0, 1}, h) + framed({w - 1, 0}, {0, 1}, h);
    };
    Edit->clearFocus();
    EXPECT_EQ(framedEdges(), 0);
    Edit->setFocus();
    EXPECT_EQ(framedEdges(), 4);
}

TEST_F(ShadowLabelInWindow, LeftPressHoldsTheHoverStateUntilRelease) {
    QSignalSpy entered(Label, &TShadowLabel::MouseEnter);
    QSignalSpy left(Label, &TShadowLabel::MouseLeave);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(Label, &enter);
    QTest::mousePress(Label, Qt::LeftButton);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Label, &leave);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 0);
    QTest::mouseRelease(Label, Qt::LeftButton);
    EXPECT_EQ(left.count(), 1);
}

}  // namespace
}  // namespace codelume
