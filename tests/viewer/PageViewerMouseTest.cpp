#include <gmock/gmock.h>

#include <QClipboard>
#include <QMessageBox>

#include "ViewerFixture.h"
#include "convert/Conversion.h"
#include "document/ImageObj.h"
#include "document/Section.h"
#include "support/FindSection.h"

namespace codelume {
namespace {

class MouseSelect : public ViewerFixture {
protected:
    void SetUp() override {
        ViewerFixture::SetUp();
        Viewer.LoadFromFile(
            Page("words.htm", "<pre>alpha_beta gamma\r\nsecond line\r\nthird line</pre>"));
        Click(PointOf(0));  // the first click only focuses
    }
    int32_t SelStart() { return Viewer.Document().SelStart; }
    int32_t SelEnd() { return Viewer.Document().SelEnd; }
    // The index of the first character of preformatted line n.
    int32_t LineStart(int n) {
        for (const auto& block : Viewer.Document().Blocks)
            if (block->CharCount > 0 && n-- == 0) return block->FirstIndex;
        return -1;
    }
};

TEST_F(MouseSelect, FirstClickOnlyFocusesThenDragSelects) {
    TPageViewer fresh;
    fresh.resize(300, 200);
    fresh.LoadFromFile(Viewer.LoadedPath());
    fresh.show();
    QTest::mouseClick(&fresh.Panel(), Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(fresh.CaretIndex(), 0);
    EXPECT_EQ(fresh.SelectionLength(), 0);

    Press(PointOf(LineStart(1)));
    DragTo(PointOf(LineStart(2) + 5));
    Release(PointOf(LineStart(2) + 5));
    EXPECT_EQ(SelStart(), LineStart(1));
    EXPECT_EQ(SelEnd(), LineStart(2) + 5);
    EXPECT_EQ(Viewer.SelText(), "second line\r\nthird");
}

TEST_F(MouseSelect, DoubleClickSelectsTheWordUnderThePointer) {
    QTest::mouseDClick(&Viewer.Panel(), Qt::LeftButton, {}, PointOf(12));
    EXPECT_EQ(SelStart(), 11);
    EXPECT_EQ(SelEnd(), 16);
    QTest::mouseDClick(&Viewer.Panel(), Qt::LeftButton, {}, PointOf(1));
    EXPECT_EQ(SelStart(), 0);
    EXPECT_EQ(SelEnd(), 5);  // the underscore ends the word
}

TEST_F(MouseSelect, DoubleClickTakesWholeCharactersAndStopsAtPunctuation) {
    Viewer.LoadFromFile(Page("utf8.htm", "<pre>caf&eacute;&ndash;na&iuml;ve \u4E2D\u6587 x</pre>"));
    struct TRow {
        int32_t Offset;  // a byte of the word, from the line start
        const char* Word;
    };
    for (TRow row : {TRow{1, "caf\u00E9"}, TRow{9, "na\u00EFve"}, TRow{15, "\u4E2D\u6587"}}) {
        SCOPED_TRACE(row.Word);
        QTest::mouseDClick(&Viewer.Panel(), Qt::LeftButton, {}, PointOf(LineStart(0) + row.Offset));
        EXPECT_EQ(Viewer.SelText(), row.Word);
    }
}

TEST_F(MouseSelect, DoubleClickBeyondTheLineEndSelectsNothing) {
    QPoint past = PointOf(LineStart(1) + 3);
    past.setX(380);
    QTest::mouseDClick(&Viewer.Panel(), Qt::LeftButton, {}, past);
    EXPECT_GE(SelStart(), SelEnd());
}

TEST_F(MouseSelect, CtrlCCopiesTheSelection) {
    Press(PointOf(LineStart(1)));
    DragTo(PointOf(LineStart(1) + 6));
    Release(PointOf(LineStart(1) + 6));
    QTest::keyClick(&Viewer, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "second");
    EXPECT_EQ(Viewer.SelectionLength(), 6);
    Viewer.SetSelectionLength(0);
    EXPECT_EQ(SelEnd(), SelStart());
}

TEST_F(MouseSelect, CtrlASelectsThePageAndCopiesItWithLineFeeds) {
    QTest::keyClick(&Viewer, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(SelStart(), 0);
    EXPECT_EQ(SelEnd(), Viewer.Document().CharCount);
    EXPECT_EQ(Viewer.SelText(), "alpha_beta gamma\r\nsecond line\r\nthird line\r\n");
    QTest::keyClick(&Viewer, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "alpha_beta gamma\nsecond line\nthird line\n");
}

TEST_F(MouseSelect, NoSelectKeepsTheSelectionOff) {
    Viewer.SetNoSelect(true);
    Press(PointOf(LineStart(1)));
    DragTo(PointOf(LineStart(2)));
    Release(PointOf(LineStart(2)));
    QTest::mouseDClick(&Viewer.Panel(), Qt::LeftButton, {}, PointOf(1));
    QTest::keyClick(&Viewer, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Viewer.SelectionLength(), 0);
}

class AutoScroll : public ViewerFixture {};

TEST_F(AutoScroll, DraggingBelowScrollsOneLineThenEightPerTick) {
    Viewer.LoadFromFile(LongPage("long.htm", 200));
    Click(PointOf(0));
    Press(PointOf(0));
    QPoint below(20, PanelHeight() + 5);
    DragTo(below);
    QTest::qWait(250);
    int32_t slow = Viewer.ScrollY();
    EXPECT_GE(slow, 32);
    EXPECT_EQ(slow % 16, 0);
    EXPECT_LE(slow, 4 * 16);
    DragTo(QPoint(20, PanelHeight() + 40));
    QTest::qWait(150);
    EXPECT_GE(Viewer.ScrollY() - slow, 8 * 16);
    Release(QPoint(20, PanelHeight() + 40));
    int32_t stopped = Viewer.ScrollY();
    QTest::qWait(250);
    EXPECT_EQ(Viewer.ScrollY(), stopped);
    EXPECT_GT(Viewer.SelectionLength(), 0);
}

// Hovering hit-tests every run under the pointer, so sweeping a converted
// page after scrolling and resizing reaches the records of many runs.
class HoverConverted : public ViewerFixture {
protected:
    void SetUp() override {
        ViewerFixture::SetUp();
        std::string page = Dir.File("Sample.htm");
        ConvertToPage(std::string(CODELUME_SOURCE_DIR) + "/examples/Sample.pas", page,
                      TOverwrite::owReplace);
        Viewer.LoadFromFile(page);
    }
    void Sweep() {
        Viewer.Panel().repaint();
        for (int y = 0; y < PanelHeight(); y += 4)
            for (int x = 0; x < Viewer.Panel().width(); x += 12)
                QTest::mouseMove(&Viewer.Panel(), QPoint(x, y));
    }
};

TEST_F(HoverConverted, SweepsThePanelAfterWheelingAndResizing) {
    for (int notch = 0; notch < 4; ++notch) Wheel(-120);
    int32_t scrolled = Viewer.ScrollY();
    ASSERT_GT(scrolled, 0);
    Sweep();
    Viewer.resize(260, 200);
    QApplication::processEvents();
    Sweep();
    Wheel(-120);
    Sweep();
    EXPECT_GE(Viewer.ScrollY(), scrolled);
    EXPECT_EQ(Viewer.HoverUrl(), "");
}

class FollowLinks : public ViewerFixture {
protected:
    void SetUp() override {
        ViewerFixture::SetUp();
        Viewer.SetHistoryMaxCount(5);
        Viewer.OnHistoryChange = [this] { ++HistoryChanges; };
    }
    // Loads a page whose first characters are the link and clicks it, at the top.
    void ClickLink(const std::string& href) {
        std::string filler;
        for (int i = 0; i < 60; ++i) filler += "<br>filler";
        Viewer.LoadFromFile(Page("links.htm", "<a href=\"" + href + "\">go there</a>" + filler +
                                                  "<br><a name=far>far away</a>" + filler +
                                                  "<h3 id=deep>deep down</h3>" + filler));
        Viewer.ScrollToY(0);  // a reload of the same page keeps its offset
        Click(PointOf(2));
    }
    int HistoryChanges = 0;
};

TEST_F(FollowLinks, ClickOpensAnotherFile) {
    std::string target = LongPage("target.htm", 10, "<title>Target</title>");
    ClickLink("target.htm");
    EXPECT_EQ(Viewer.LoadedPath(), target);
    EXPECT_EQ(Viewer.HistoryList().Count(), 2);
    EXPECT_EQ(Viewer.HistoryList()[0].Title, "Target");
    EXPECT_EQ(HistoryChanges, 2);
}

// A link reaches a name (in any case) and an id alike.
TEST_F(FollowLinks, ClickJumpsToAnAnchor) {
    ClickLink("#FAR");
    EXPECT_EQ(Viewer.LoadedPath(), Dir.File("links.htm"));
    int32_t nameY = Viewer.ScrollY();
    EXPECT_GT(nameY, 0);
    EXPECT_EQ(Viewer.HistoryList().Count(), 2);
    ClickLink("#deep");
    const TSection* heading =
        FindSection(Viewer.Document(), [](std::string_view text) { return text == "deep down"; });
    ASSERT_NE(heading, nullptr);
    EXPECT_GT(heading->TopY, nameY);
    EXPECT_EQ(Viewer.ScrollY(), heading->TopY);
}

TEST_F(FollowLinks, MissingFileIsReportedAndThePageStays) {
    ClickLink("gone.htm");
    EXPECT_EQ(Viewer.LoadedPath(), Dir.File("links.htm"));
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text().toStdString(), "Can't locate file: " + Dir.File("gone.htm"));
    box->close();
}

TEST_F(FollowLinks, WebAndMailLinksGoToTheDesktopAndOtherKindsAreIgnored) {
    std::vector<std::string> opened;
    Viewer.OpenExternalUrl = [&](const std::string& url) {
        opened.push_back(url);
        return true;
    };
    for (const char* href :
         {"http://example.org/a.htm", "HTTPS://example.org/#top", "mailto:someone@example.org",
          "notes.txt", "ftp://example.org/x", "javascript:go()"}) {
        SCOPED_TRACE(href);
        ClickLink(href);
        EXPECT_EQ(Viewer.LoadedPath(), Dir.File("links.htm"));
    }
    EXPECT_THAT(opened,
                ::testing::ElementsAre("http://example.org/a.htm", "HTTPS://example.org/#top",
                                       "mailto:someone@example.org"));
}

TEST_F(FollowLinks, AWebLinkNothingOpensIsReported) {
    Viewer.OpenExternalUrl = [](const std::string&) { return false; };
    ClickLink("http://example.org/");
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text().toStdString(), "Cannot open link http://example.org/");
    box->close();
}

TEST_F(FollowLinks, NoHistoryWithoutRoom) {
    Viewer.SetHistoryMaxCount(0);
    HistoryChanges = 0;
    LongPage("target.htm", 10);
    ClickLink("target.htm");
    EXPECT_EQ(Viewer.LoadedPath(), Dir.File("target.htm"));
    EXPECT_EQ(HistoryChanges, 0);
}

TEST_F(FollowLinks, HoverShowsTheHandAndTellsTheHost) {
    std::vector<std::string> covered;
    Viewer.OnHotSpotCovered = [&](const std::string& url) { covered.push_back(url); };
    Viewer.LoadFromFile(Page("link.htm", "<a href=\"#far\">go there</a>"));
    QTest::mouseMove(&Viewer.Panel(), PointOf(2));
    EXPECT_EQ(Viewer.Panel().cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&Viewer.Panel(), QPoint(300, 200));
    EXPECT_EQ(Viewer.Panel().cursor().shape(), Qt::IBeamCursor);
    EXPECT_THAT(covered, ::testing::Contains("#far"));
    EXPECT_EQ(covered.back(), "");
}

TEST_F(FollowLinks, ImagesTellTheHostOfHoverAndClick) {
    Viewer.LoadFromFile(Page("image.htm", "text <img src=a.png width=50 height=40> text"));
    Viewer.Panel().repaint();
    std::vector<QPoint> over, clicked;
    Viewer.OnImageOver = [&](TImageObj&, int32_t x, int32_t y) { over.push_back({x, y}); };
    Viewer.OnImageClick = [&](TImageObj&, int32_t x, int32_t y) { clicked.push_back({x, y}); };
    const TImageObj& image =
        *static_cast<const TSection&>(*Viewer.Document().Blocks.Last()).Images[0];
    QPoint inside(image.DrawX + 7, image.DrawY - Viewer.ScrollY() + 9);
    QTest::mouseMove(&Viewer.Panel(), inside);
    EXPECT_EQ(Viewer.Panel().cursor().shape(), Qt::ArrowCursor);
    Click(inside);
    ASSERT_FALSE(over.empty());
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], over[0]);
    EXPECT_GT(clicked[0].x(), 0);
}

// Queries on pages with nothing, only images, or one enormous word.
class HostilePages : public ViewerFixture {
protected:
    void Exercise() {
        Click(QPoint(30, 10));
        Press(QPoint(5, 5));
        DragTo(QPoint(390, 280));
        Release(QPoint(390, 280));
        QTest::mouseDClick(&Viewer.Panel(), Qt::LeftButton, {}, QPoint(40, 12));
        QTest::keyClick(&Viewer, Qt::Key_End);
        QTest::keyClick(&Viewer, Qt::Key_C, Qt::ControlModifier);
        Viewer.resize(250, 200);
        Viewer.Panel().repaint();
    }
};

TEST_F(HostilePages, EmptyDocument) {
    Viewer.LoadFromFile(Page("empty.htm", ""));
    Exercise();
    EXPECT_EQ(Viewer.SelectionLength(), 0);
    EXPECT_EQ(Viewer.ScrollY(), 0);
}

TEST_F(HostilePages, OnlyImages) {
    Viewer.LoadFromFile(Page(
        "images.htm", "<img src=a.png width=50 height=40><img src=b.png width=300 height=900>"));
    Exercise();
    EXPECT_EQ(Viewer.SelText().find_first_not_of("\r\n"), std::string::npos);
}

TEST_F(HostilePages, OneWordOfTwentyThousandCharacters) {
    Viewer.LoadFromFile(Page("word.htm", "<p>" + std::string(20000, 'x')));
    Exercise();
    const TSectionBase& word = *Viewer.Document().Blocks.Last();
    QPoint start = PointOf(word.FirstIndex + 3);
    Press(start);
    DragTo(QPoint(390, start.y()));
    Release(QPoint(390, start.y()));
    EXPECT_GT(Viewer.SelectionLength(), 20);
    EXPECT_EQ(Viewer.SelText(), std::string(static_cast<size_t>(Viewer.SelectionLength()), 'x'));
}

TEST_F(HostilePages, TableThatCannotBeLaidOutIsReportedAndDropped) {
    std::string row;
    for (int i = 0; i < 201; ++i) row += "<td>c";
    Viewer.LoadFromFile(Page("table.htm", "before<table><tr>" + row + "</table>after"));
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text().toStdString(), "Table has too many Columns");
    box->close();
    EXPECT_GT(Viewer.ContentHeight(), 0);
}

}  // namespace
}  // namespace codelume
