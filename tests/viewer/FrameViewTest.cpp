#include <gmock/gmock.h>

#include <filesystem>

#include "ViewerFixture.h"
#include "document/Section.h"
#include "qt/QtPrintDevice.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

class FrameSets : public ViewerFixture {
protected:
    TPageViewer& Frame(const std::string& name) {
        for (TPageViewer* frame : Viewer.Frames())
            if (frame->FrameName() == name) return *frame;
        ADD_FAILURE() << "no frame " << name;
        return Viewer;
    }

    static std::string TextOf(const TPageViewer& viewer) {
        std::string text;
        for (const auto& block : viewer.Document().Blocks)
            if (const auto* section = dynamic_cast<const TSection*>(block.get()))
                text += section->Text();
        return text;
    }

    static int32_t CountFrames(const TPageViewer& viewer) {
        int32_t count = 0;
        for (const TPageViewer* frame : viewer.Frames()) count += 1 + CountFrames(*frame);
        return count;
    }

    // The link is the first thing on each page that a test clicks in.
    void ClickLinkIn(TPageViewer& frame) {
        QTest::mouseClick(&frame.Panel(), Qt::LeftButton, {}, PointIn(frame, 1));
    }

    // A set of a navigation frame beside the main one; nav holds the link.
    std::string NavAndMain(const std::string& link) {
        Page("nav.htm", link + "<br>navigation");
        Page("a.htm", "<title>A</title>page a");
        Page("b.htm", "<title>B</title>page b");
        return Page("index.htm",
                    "<title>Set</title><frameset cols=\"30%,*\">"
                    "<frame src=nav.htm name=Nav><frame src=a.htm name=Main>");
    }
};

TEST_F(FrameSets, ShowsEachFrameWithItsOwnPageInsteadOfNoFrames) {
    Page("nav.htm", "navigation");
    Page("head.htm", "heading");
    Page("main.htm", "main page");
    Viewer.LoadFromFile(
        Page("index.htm",
             "<title>Set</title><frameset cols=\"25%,*\"><frame src=nav.htm name=nav>"
             "<frameset rows=\"100,*\"><frame src=\"head.htm\" name=head scrolling=no "
             "marginwidth=0 marginheight=60><frame src=main.htm name=main scrolling=yes>"
             "</frameset><noframes>No frames here</noframes></frameset>"));
    ASSERT_EQ(Viewer.Frames().size(), 3u);
    EXPECT_EQ(Viewer.PageTitle(), "Set");
    EXPECT_EQ(Viewer.Document().Blocks.Count(), 0);
    EXPECT_EQ(TextOf(Frame("main")), "main page");
    EXPECT_EQ(Frame("nav").LoadedPath(), Dir.File("nav.htm"));
    // 398 by 298 inside the border, 4-pixel borders between the frames.
    EXPECT_EQ(Frame("nav").geometry(), QRect(0, 0, 98, 298));
    EXPECT_EQ(Frame("head").geometry(), QRect(102, 0, 296, 100));
    EXPECT_EQ(Frame("main").geometry(), QRect(102, 104, 296, 194));
    EXPECT_EQ(Frame("head").MarginWidth(), 0);
    EXPECT_EQ(Frame("head").MarginHeight(), 50);
    EXPECT_EQ(Frame("head").ScrollBars(), ssNone);
    EXPECT_TRUE(Frame("main").VScrollBar().isVisible());
    EXPECT_FALSE(Frame("nav").VScrollBar().isVisible());
    Viewer.resize(500, 300);
    EXPECT_EQ(Frame("nav").geometry(), QRect(0, 0, 123, 298));
}

TEST_F(FrameSets, NoFramesShowsWhenThereIsNoFrameSetToShow) {
    std::string noFrames = "<noframes>Alternative</noframes>";
    Viewer.LoadFromFile(Page("empty.htm", "<frameset cols=\"*,*\"></frameset>" + noFrames));
    EXPECT_TRUE(Viewer.Frames().empty());
    EXPECT_THAT(TextOf(Viewer), HasSubstr("Alternative"));

    // A frame showing the page it is part of shows it as a page.
    Page("other.htm", "other");
    Viewer.LoadFromFile(Page("self.htm",
                             "<frameset rows=\"*,*\"><frame src=self.htm><frame src=other.htm>"
                             "</frameset>" +
                                 noFrames));
    ASSERT_EQ(Viewer.Frames().size(), 2u);
    EXPECT_TRUE(Viewer.Frames()[0]->Frames().empty());
    EXPECT_THAT(TextOf(*Viewer.Frames()[0]), HasSubstr("Alternative"));
}

TEST_F(FrameSets, PagesThatNestEachOtherStopAtTheMostFrames) {
    for (int level = 0; level < 12; ++level) {
        std::string next = "level" + std::to_string(level + 1) + ".htm";
        Page("level" + std::to_string(level) + ".htm",
             "<frameset cols=\"*,*\"><frame src=" + next + "><frame src=" + next + "></frameset>");
    }
    Page("level12.htm", "bottom");
    Viewer.LoadFromFile(Dir.File("level0.htm"));
    EXPECT_EQ(CountFrames(Viewer), 100);
}

TEST_F(FrameSets, MissingFramePageIsReportedAfterTheOthersAreShown) {
    Page("main.htm", "main page");
    std::string index =
        Page("index.htm", "<frameset cols=\"*,*\"><frame src=gone.htm><frame src=main.htm>");
    EXPECT_THAT([&] { Viewer.LoadFromFile(index); },
                ThrowsMessage<EInOutError>(StrEq("Can't locate file: " + Dir.File("gone.htm"))));
    ASSERT_EQ(Viewer.Frames().size(), 2u);
    EXPECT_EQ(TextOf(*Viewer.Frames()[1]), "main page");
    EXPECT_FALSE(Viewer.Busy());
}

TEST_F(FrameSets, TargetedLinksLoadIntoTheirFrame) {
    struct TCase {
        const char* Name;
        std::string Link;
        const char* LoadedBy;  // the frame that shows b.htm, or "" for the whole view
    };
    const TCase cases[] = {
        {"NamedFrame", "<a href=b.htm target=main>go to b</a>", "Main"},
        {"BaseTarget", "<base target=MAIN><a href=b.htm>go to b</a>", "Main"},
        {"OwnFrame", "<a href=b.htm>go to b</a>", "Nav"},
        {"Top", "<a href=b.htm target=_top>go to b</a>", ""},
        {"Blank", "<a href=b.htm target=_blank>go to b</a>", ""},
        {"UnknownName", "<a href=b.htm target=elsewhere>go to b</a>", ""},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        Viewer.LoadFromFile(NavAndMain(row.Link));
        ClickLinkIn(Frame("Nav"));
        if (*row.LoadedBy == '\0') {
            EXPECT_TRUE(Viewer.Frames().empty());
            EXPECT_EQ(Viewer.LoadedPath(), Dir.File("b.htm"));
            continue;
        }
        EXPECT_EQ(Viewer.LoadedPath(), Dir.File("index.htm"));
        EXPECT_EQ(Frame(row.LoadedBy).LoadedPath(), Dir.File("b.htm"));
        EXPECT_EQ(Viewer.Frames().size(), 2u);
    }
}

TEST_F(FrameSets, HistoryStepsThroughFrameLoads) {
    Viewer.SetHistoryMaxCount(10);
    std::string index = NavAndMain("<a href=b.htm target=main>go to b</a>");
    Viewer.LoadFromFile(index);
    ClickLinkIn(Frame("Nav"));
    ASSERT_EQ(Viewer.HistoryList().Count(), 2);
    EXPECT_EQ(Viewer.HistoryList()[0].Frames[1].Path, Dir.File("b.htm"));

    Viewer.SetHistoryIndex(1);
    EXPECT_EQ(Viewer.HistoryList().Index(), 1);
    EXPECT_EQ(Frame("Main").LoadedPath(), Dir.File("a.htm"));
    Viewer.SetHistoryIndex(0);
    EXPECT_EQ(Frame("Main").LoadedPath(), Dir.File("b.htm"));

    // Back from a page that replaced the whole view brings the frames again.
    Viewer.LoadFromFile(Dir.File("a.htm"));
    EXPECT_TRUE(Viewer.Frames().empty());
    Viewer.SetHistoryIndex(1);
    EXPECT_EQ(Viewer.LoadedPath(), index);
    EXPECT_EQ(Frame("Main").LoadedPath(), Dir.File("b.htm"));
    EXPECT_EQ(Viewer.HistoryList().Count(), 3);
}

TEST_F(FrameSets, PrintsTheFrameWithTheFocusOrTheFirst) {
    LongPage("long.htm", 200);
    Page("short.htm", "short");
    Viewer.LoadFromFile(
        Page("index.htm", "<frameset cols=\"*,*\"><frame src=long.htm><frame src=short.htm>"));
    auto pages = [&](const std::string& name) {
        auto pdf = TQtPrintDevice::PdfFile(Dir.File(name), 72, 96);
        Viewer.PrintOn(*pdf, 1, 9999);
        return pdf->PagesWritten();
    };
    EXPECT_GT(pages("first.pdf"), 1);
    ClickLinkIn(*Viewer.Frames()[1]);
    EXPECT_EQ(pages("focused.pdf"), 1);
    EXPECT_FALSE(Viewer.Busy());
}

}  // namespace
}  // namespace codelume
