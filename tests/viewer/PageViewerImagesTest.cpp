#include <QImage>
#include <filesystem>

#include "ViewerFixture.h"

namespace codelume {
namespace {

using ViewerImages = ViewerFixture;

QColor PanelPixel(TPageViewer& viewer, int x, int y) {
    return viewer.Panel().grab().toImage().pixelColor(x, y);
}

// The 4 by 3 animation shows red for 100 ms, then blue; it stands at the
// margins (10, 5).
TEST_F(ViewerImages, AnimatedPictureStepsUnderTheTimer) {
    std::filesystem::copy_file(std::string(CODELUME_SOURCE_DIR) + "/tests/data/images/anim.gif",
                               Dir.File("anim.gif"));
    Viewer.SetViewImages(true);
    Viewer.LoadFromFile(Page("anim.htm", "<body bgcolor=white><img src=anim.gif>"));
    Viewer.Panel().repaint();
    EXPECT_EQ(PanelPixel(Viewer, 11, 6), QColor(Qt::red));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return PanelPixel(Viewer, 11, 6) == QColor(Qt::blue); }, 2000));
}

// A 4 by 4 white tile with one blue pixel at its corner.
TEST_F(ViewerImages, BackgroundTilesThePageAndScrollsWithIt) {
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::white);
    tile.setPixelColor(0, 0, Qt::blue);
    ASSERT_TRUE(tile.save(QString::fromStdString(Dir.File("tile.png"))));
    Viewer.SetViewImages(true);
    Viewer.LoadFromFile(LongPage("tiled.htm", 200, "<body background=tile.png>"));
    EXPECT_EQ(PanelPixel(Viewer, 0, 0), QColor(Qt::blue));
    EXPECT_EQ(PanelPixel(Viewer, 4, 8), QColor(Qt::blue));
    EXPECT_EQ(PanelPixel(Viewer, 1, 0), QColor(Qt::white));
    Viewer.ScrollToY(1);
    EXPECT_EQ(PanelPixel(Viewer, 0, 3), QColor(Qt::blue));
    EXPECT_EQ(PanelPixel(Viewer, 0, 0), QColor(Qt::white));
    Viewer.SetViewImages(false);
    EXPECT_NE(PanelPixel(Viewer, 0, 3), QColor(Qt::blue));
}

}  // namespace
}  // namespace codelume
