// A shown viewer of 400 by 300 on the offscreen platform, with pages written
// to a fresh folder and helpers that find where a character is drawn.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>
#include <string>

#include "document/SectionList.h"
#include "qt/ScreenCanvas.h"
#include "support/TempDir.h"
#include "viewer/32ScrollBar.h"
#include "viewer/PageViewer.h"
#include "viewer/PaintPanel.h"

namespace codelume {

class ViewerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Viewer.resize(400, 300);
        Viewer.show();
        Viewer.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Viewer));
    }

    std::string Page(const std::string& name, const std::string& html) {
        std::string path = Dir.File(name);
        WriteWholeFile(path, html);
        return path;
    }

    // A preformatted page of numbered lines, tall enough to scroll.
    std::string LongPage(const std::string& name, int lines, const std::string& extra = "") {
        std::string html = "<html><body>" + extra + "<pre>";
        for (int i = 0; i < lines; ++i) html += "line " + std::to_string(i) + "\r\n";
        return Page(name, html + "</pre></body></html>");
    }

    // Panel coordinates just inside the character at index, once the view is
    // painted (hit tests read where the lines were painted).
    QPoint PointIn(TPageViewer& viewer, int32_t index) {
        viewer.Panel().repaint();
        TScreenCanvas canvas(Fonts);
        TPoint caret;
        EXPECT_TRUE(viewer.Document().CaretPoint(canvas, index, caret));
        return QPoint(viewer.MarginWidth() + caret.X - viewer.HorzPosition() + 2,
                      caret.Y - viewer.ScrollY() + 4);
    }
    QPoint PointOf(int32_t index) { return PointIn(Viewer, index); }

    int32_t PanelHeight() { return Viewer.Panel().height(); }
    int32_t Bottom() { return Viewer.ContentHeight() - PanelHeight(); }

    void Press(QPoint at) { QTest::mousePress(&Viewer.Panel(), Qt::LeftButton, {}, at); }
    void Release(QPoint at) { QTest::mouseRelease(&Viewer.Panel(), Qt::LeftButton, {}, at); }
    void Click(QPoint at) { QTest::mouseClick(&Viewer.Panel(), Qt::LeftButton, {}, at); }
    // A move with the left button held, as a drag delivers it.
    void DragTo(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, Viewer.Panel().mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&Viewer.Panel(), &move);
    }

    void Wheel(int delta) {
        QPointF at(50, 50);
        QWheelEvent event(at, Viewer.mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Viewer, &event);
    }

    TTempDir Dir;
    TPageViewer Viewer;
    TFontCache Fonts{96};  // measures as the viewer does
};

}  // namespace codelume
