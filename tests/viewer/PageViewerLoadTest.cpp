#include <gmock/gmock.h>

#include "ViewerFixture.h"
#include "document/Section.h"
#include "qt/QtColors.h"
#include "support/FindSection.h"

namespace codelume {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

using LoadFromFile = ViewerFixture;

TEST_F(LoadFromFile, ShowsThePageFromTheTop) {
    std::string path = LongPage("long.htm", 100, "<title>Long page</title>");
    Viewer.LoadFromFile(path);
    EXPECT_EQ(Viewer.LoadedPath(), path);
    EXPECT_EQ(Viewer.PageTitle(), "Long page");
    EXPECT_EQ(Viewer.ScrollY(), 0);
    EXPECT_GT(Viewer.ContentHeight(), PanelHeight());
    EXPECT_TRUE(Viewer.VScrollBar().isVisible());
    EXPECT_FALSE(Viewer.Busy());
}

TEST_F(LoadFromFile, MissingFileKeepsThePreviousPage) {
    std::string path = LongPage("long.htm", 100);
    Viewer.LoadFromFile(path);
    int blocks = Viewer.Document().Blocks.Count();
    std::string missing = Dir.File("missing.htm");
    EXPECT_THAT([&] { Viewer.LoadFromFile(missing + "#top"); },
                ThrowsMessage<EInOutError>(StrEq("Can't locate file: " + missing)));
    EXPECT_EQ(Viewer.LoadedPath(), path);
    EXPECT_EQ(Viewer.Document().Blocks.Count(), blocks);
    EXPECT_FALSE(Viewer.Busy());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoadFromFile, EmptyNameDoesNothing) {
    Viewer.LoadFromFile("");
    EXPECT_TRUE(Viewer.LoadedPath().empty());
    EXPECT_EQ(Viewer.Document().Blocks.Count(), 0);
}

TEST_F(LoadFromFile, AnchorScrollsItsBlockToTheTop) {
    std::string lines;
    for (int i = 0; i < 50; ++i) lines += "<br>line";
    std::string path =
        Page("anchored.htm", lines + "<br><a name=Middle>middle</a>" + lines +
                                 "<h2 id=heading>heading</h2>" + lines +
                                 "<table><tr><td>left<td id=cell>cell text</table>" + lines);
    for (const char* anchor : {"middle", "heading", "cell"}) {
        SCOPED_TRACE(anchor);
        Viewer.LoadFromFile(path + "#" + anchor);
        const TSection* block = FindSection(
            Viewer.Document(), [&](std::string_view text) { return text.starts_with(anchor); });
        ASSERT_NE(block, nullptr);
        EXPECT_GT(block->TopY, 0);
        EXPECT_EQ(Viewer.ScrollY(), block->TopY);
    }
    Viewer.LoadFromFile(Page("end.htm", lines + "<br><a name=End>end</a>") + "#END");
    EXPECT_EQ(Viewer.ScrollY(), Bottom());
}

TEST_F(LoadFromFile, SameFileKeepsTheOffsetAndAnotherStartsAtTheTop) {
    std::string first = LongPage("first.htm", 100);
    std::string second = LongPage("second.htm", 100);
    Viewer.LoadFromFile(first);
    Viewer.ScrollToY(200);
    Viewer.LoadFromFile(first);
    EXPECT_EQ(Viewer.ScrollY(), 200);
    Viewer.LoadFromFile(first + "#nowhere");
    EXPECT_EQ(Viewer.ScrollY(), 200);
    Viewer.LoadFromFile(second);
    EXPECT_EQ(Viewer.ScrollY(), 0);
}

TEST_F(LoadFromFile, ShorterReloadStaysInsideThePage) {
    std::string path = LongPage("page.htm", 100);
    Viewer.LoadFromFile(path);
    Viewer.ScrollToY(Bottom());
    LongPage("page.htm", 20);
    Viewer.LoadFromFile(path);
    EXPECT_EQ(Viewer.ScrollY(), std::max(0, Bottom()));
}

TEST_F(LoadFromFile, NameIsCutAtItsFirstHash) {
    std::string path = Page("a.htm", "<a name=x>x</a>");
    Viewer.LoadFromFile(path + "#x#y");
    EXPECT_EQ(Viewer.LoadedPath(), path);
    EXPECT_THAT([&] { Viewer.LoadFromFile(Dir.File("b#c.htm")); },
                ThrowsMessage<EInOutError>(StrEq("Can't locate file: " + Dir.File("b"))));
}

TEST(PageViewerProperties, SettersClampAndIgnore) {
    TPageViewer viewer;
    viewer.SetDefFontSize(4);
    EXPECT_EQ(viewer.DefFontSize(), 6);
    EXPECT_EQ(viewer.Document().FontSize, 6);
    viewer.SetMarginWidth(51);
    EXPECT_EQ(viewer.MarginWidth(), 10);
    viewer.SetMarginHeight(-1);
    EXPECT_EQ(viewer.MarginHeight(), 5);
    viewer.SetImageCacheCount(30);
    EXPECT_EQ(viewer.ImageCacheCount(), 20);
    viewer.SetServerRoot("  /srv/www/ ");
    EXPECT_EQ(viewer.ServerRoot(), "/srv/www");
    viewer.SetNoSelect(true);
    EXPECT_EQ(viewer.Document().SelStart, -1);
    EXPECT_EQ(viewer.Document().SelEnd, -1);
    viewer.SetDefFontName("courier new");
    EXPECT_EQ(viewer.Document().FontName, "courier new");
    viewer.SetDefFontName("COURIER NEW");
    EXPECT_EQ(viewer.Document().FontName, "courier new");
}

TEST_F(LoadFromFile, ClearViewEmptiesEverything) {
    Viewer.LoadFromFile(LongPage("long.htm", 100, "<title>T</title>"));
    Viewer.ScrollToY(100);
    Viewer.ClearView();
    EXPECT_EQ(Viewer.Document().Blocks.Count(), 0);
    EXPECT_TRUE(Viewer.PageTitle().empty());
    EXPECT_EQ(Viewer.ScrollY(), 0);
    EXPECT_FALSE(Viewer.VScrollBar().isVisible());
}

TEST_F(LoadFromFile, ResizeOfTheWidthKeepsTheBlockInView) {
    Viewer.LoadFromFile(LongPage("long.htm", 200));
    Viewer.ScrollToY(1000);
    TPositionKey before = Viewer.PositionKey();
    Viewer.resize(300, 300);
    EXPECT_EQ(Viewer.PositionKey(), before);
    Viewer.resize(300, 200);
    EXPECT_EQ(Viewer.PositionKey(), before);
    Viewer.resize(300, 5000);
    EXPECT_EQ(Viewer.ScrollY(), std::max(0, Bottom()));
}

}  // namespace
}  // namespace codelume

namespace codelume {
namespace {

using ExpandLinkPath = ViewerFixture;

TEST_F(ExpandLinkPath, LinksBecomePosixPaths) {
    Viewer.LoadFromFile(Page("page.htm", "x"));
    std::string folder = Dir.Path().string();
    EXPECT_EQ(Viewer.ExpandLinkPath("sub/a%20b.htm"), folder + "/sub/a b.htm");
    EXPECT_EQ(Viewer.ExpandLinkPath("../up.htm"), Dir.Path().parent_path().string() + "/up.htm");
    EXPECT_EQ(Viewer.ExpandLinkPath("file:///abs/x.htm"), "/abs/x.htm");
    Viewer.SetServerRoot("/srv/www/");
    EXPECT_EQ(Viewer.ExpandLinkPath("/x.htm"), "/srv/www/x.htm");
    Viewer.LoadFromFile(Page("based.htm", "<base href=\"file:///other/dir/index.htm\">x"));
    EXPECT_EQ(Viewer.ExpandLinkPath("p.htm"), "/other/dir/p.htm");
}

using Border = ViewerFixture;

TEST_F(Border, FollowsTheFocusAndTheStyle) {
    Viewer.LoadFromFile(Page("white.htm", "<body bgcolor=white>text"));
    Viewer.setFocus();
    QTest::qWait(20);
    EXPECT_EQ(Viewer.grab().toImage().pixelColor(0, 150), ToQColor(clBtnText));
    Viewer.clearFocus();
    QTest::qWait(20);
    EXPECT_EQ(Viewer.grab().toImage().pixelColor(0, 150), QColor(Qt::white));
    Viewer.SetBorderStyle(htNone);
    EXPECT_EQ(Viewer.Panel().geometry().topLeft(), QPoint(0, 0));
}

}  // namespace
}  // namespace codelume
