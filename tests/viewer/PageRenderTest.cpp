#include <gmock/gmock.h>

#include <QImage>
#include <filesystem>

#include "support/TempDir.h"
#include "viewer/PageRender.h"
#include "viewer/PageViewer.h"

namespace codelume {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(RenderPage, WritesWhatTheViewerShowsAtTheRequestedSize) {
    TTempDir dir;
    std::string page = dir.File("page.htm");
    WriteWholeFile(
        page, "<body bgcolor=white><h3>Title</h3><pre>" + std::string(100, '\r') + "</pre></body>");
    TRenderRequest request{page, dir.File("out.png"), 320, 200, 0, {}};
    RenderPage(request);
    QImage image(QString::fromStdString(request.Output));
    ASSERT_EQ(image.size(), QSize(320, 200));
    EXPECT_EQ(image.pixelColor(160, 190), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(314, 100), QColor(Qt::white));  // the vertical bar
}

TEST(RenderPage, DrawsTheFramesOfAFrameSet) {
    TTempDir dir;
    WriteWholeFile(dir.File("red.htm"), "<body bgcolor=red>");
    WriteWholeFile(dir.File("blue.htm"), "<body bgcolor=blue>");
    std::string page = dir.File("index.htm");
    WriteWholeFile(page, "<frameset cols=\"*,*\"><frame src=red.htm><frame src=blue.htm>");
    TRenderRequest request{page, dir.File("out.png"), 320, 200, 0, {}};
    RenderPage(request);
    QImage image(QString::fromStdString(request.Output));
    EXPECT_EQ(image.pixelColor(80, 100), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(240, 100), QColor(Qt::blue));
}

TEST(RenderPage, MissingSourceLeavesNoFile) {
    TTempDir dir;
    TRenderRequest request{dir.File("none.htm"), dir.File("out.png"), 320, 200, 0, {}};
    EXPECT_THAT([&] { RenderPage(request); },
                ThrowsMessage<EInOutError>(StrEq("Can't locate file: " + request.Source)));
    EXPECT_FALSE(std::filesystem::exists(request.Output));
}

}  // namespace
}  // namespace codelume
