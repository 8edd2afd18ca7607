#include <QPaintEvent>

#include "ViewerFixture.h"

namespace codelume {
namespace {

class ScrollKeys : public ViewerFixture {
protected:
    void SetUp() override {
        ViewerFixture::SetUp();
        Viewer.LoadFromFile(LongPage("long.htm", 200));
    }
    void Key(Qt::Key key) { QTest::keyClick(&Viewer, key); }
};

TEST_F(ScrollKeys, MoveByLinesPagesAndToTheEnds) {
    int32_t page = PanelHeight() - 16;
    EXPECT_EQ(Viewer.VScrollBar().LargeChange(), page);
    Key(Qt::Key_Up);
    EXPECT_EQ(Viewer.ScrollY(), 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(Viewer.ScrollY(), 16);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Viewer.ScrollY(), 16 + page);
    Key(Qt::Key_End);
    EXPECT_EQ(Viewer.ScrollY(), Bottom());
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Viewer.ScrollY(), Bottom());
    EXPECT_EQ(Viewer.VScrollBar().value(), Bottom());
    Key(Qt::Key_Home);
    EXPECT_EQ(Viewer.ScrollY(), 0);
    EXPECT_EQ(Viewer.Document().ScrollY, 0);
}

// Collects the regions the panel is asked to paint.
class TPaintSpy : public QObject {
public:
    QRegion Painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(ScrollKeys, OneLineRepaintsOnlyTheUncoveredStrip) {
    TPaintSpy spy;
    Viewer.Panel().repaint();
    QApplication::processEvents();
    Viewer.Panel().installEventFilter(&spy);
    Key(Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(spy.Painted.boundingRect(), QRect(0, PanelHeight() - 16, Viewer.Panel().width(), 16));
    spy.Painted = QRegion();
    Key(Qt::Key_PageDown);
    QApplication::processEvents();
    EXPECT_EQ(spy.Painted.boundingRect(), Viewer.Panel().rect());
}

TEST_F(ScrollKeys, WheelMovesThreeLinesPerNotchClamped) {
    Wheel(-120);
    EXPECT_EQ(Viewer.ScrollY(), 48);
    Wheel(-60);
    EXPECT_EQ(Viewer.ScrollY(), 48);
    Wheel(-60);
    EXPECT_EQ(Viewer.ScrollY(), 96);
    Wheel(360);
    EXPECT_EQ(Viewer.ScrollY(), 0);
    Viewer.ScrollToY(Bottom() - 10);
    Wheel(-120);
    EXPECT_EQ(Viewer.ScrollY(), Bottom());
}

TEST_F(ScrollKeys, BarActionsMoveTheView) {
    Viewer.VScrollBar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Viewer.ScrollY(), 16);
    Viewer.VScrollBar().triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(Viewer.ScrollY(), Bottom());
    Viewer.VScrollBar().triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(Viewer.ScrollY(), Bottom() - Viewer.VScrollBar().LargeChange());
}

TEST_F(ScrollKeys, AWideWordGivesTheHorizontalBar) {
    Viewer.LoadFromFile(Page("word.htm", "<p>a " + std::string(100, 'w') + " b"));
    EXPECT_TRUE(Viewer.HScrollBar().isVisible());
    EXPECT_GT(Viewer.ContentWidth(), Viewer.Panel().width());
}

TEST_F(ScrollKeys, HorizontalKeysStayInsideTheWidestLine) {
    std::string wide(400, 'w');
    Viewer.LoadFromFile(Page("wide.htm", "<pre>" + wide + "</pre>"));
    ASSERT_TRUE(Viewer.HScrollBar().isVisible());
    QTest::keyClick(&Viewer, Qt::Key_Right);
    EXPECT_EQ(Viewer.HorzPosition(), 15);
    QTest::keyClick(&Viewer, Qt::Key_Left);
    QTest::keyClick(&Viewer, Qt::Key_Left);
    EXPECT_EQ(Viewer.HorzPosition(), 0);
    for (int i = 0; i < 400; ++i) QTest::keyClick(&Viewer, Qt::Key_Right);
    EXPECT_EQ(Viewer.ContentWidth(), 2000);
    EXPECT_EQ(Viewer.HorzPosition(), 2000 + 2 * Viewer.MarginWidth() - Viewer.Panel().width());
}

// Without a horizontal bar the vertical one appears once the content is the
// viewer's height less the border.
TEST_F(ScrollKeys, VerticalBarAppearsAtTheHeightLessTwo) {
    Viewer.LoadFromFile(Page("short.htm", "<p>one<p>two"));
    int32_t height = Viewer.ContentHeight();
    Viewer.resize(400, height + 2);
    EXPECT_TRUE(Viewer.VScrollBar().isVisible());
    Viewer.resize(400, height + 3);
    EXPECT_FALSE(Viewer.VScrollBar().isVisible());
    EXPECT_EQ(Viewer.Panel().geometry(), QRect(1, 1, 398, height + 1));
}

TEST_F(ScrollKeys, TallDocumentsScrollPastSixteenBits) {
    Viewer.LoadFromFile(LongPage("tall.htm", 6000));
    ASSERT_GT(Viewer.ContentHeight(), 70000);
    Viewer.ScrollToY(68000);
    EXPECT_EQ(Viewer.VScrollBar().value(), 68000);
    QTest::keyClick(&Viewer, Qt::Key_Down);
    EXPECT_EQ(Viewer.Document().ScrollY, 68016);
    Viewer.resize(380, 300);
    EXPECT_GT(Viewer.PositionKey().Block, 4000);
}

}  // namespace
}  // namespace codelume
