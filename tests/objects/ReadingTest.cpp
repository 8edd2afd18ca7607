#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <new>

#include "canvas/FixedCanvas.h"
#include "objects/HtmlTable.h"
#include "objects/MapItem.h"
#include "reader/DocumentReader.h"
#include "reader/FrameSetReading.h"
#include "support/FakeImageSource.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;

class ReadingTest : public ::testing::Test {
protected:
    void Read(const std::string& html) {
        ParseDocumentBuffer(Document, Anchors, html.data(), CheckedLength(html.size()));
    }

    // The first table among the blocks of a cell, or none.
    static THtmlTable* FindTable(const TCell& cell) {
        for (const auto& block : cell.Blocks)
            if (auto* table = dynamic_cast<THtmlTable*>(block.get())) return table;
        return nullptr;
    }
    static THtmlTable& FirstTable(const TCell& cell) {
        THtmlTable* table = FindTable(cell);
        if (table == nullptr) throw std::runtime_error("no table there");
        return *table;
    }

    // The text of a cell's text blocks, one string each.
    static std::vector<std::string> Texts(const TCell& cell) {
        std::vector<std::string> texts;
        for (const auto& block : cell.Blocks)
            if (auto* section = dynamic_cast<TSection*>(block.get());
                section && section->CharCount > 0)
                texts.emplace_back(section->Text());
        return texts;
    }

    static TSection& FirstSection(TCellObj& cell) {
        return dynamic_cast<TSection&>(*cell.Cell.Blocks[0]);
    }

    TSectionList Document;
    TAnchorIndex Anchors;
};

TEST_F(ReadingTest, MissingCellAndRowEndTagsAreHarmless) {
    Read("<TABLE><TR><TD>a<TD>b</TABLE>after");
    THtmlTable& table = FirstTable(Document);
    ASSERT_EQ(table.Rows.Count(), 1);
    ASSERT_EQ(table.Rows[0]->Count(), 2);
    EXPECT_THAT(Texts((*table.Rows[0])[1]->Cell), ElementsAre("b"));
    EXPECT_THAT(Texts(Document), ElementsAre("after"));
}

TEST_F(ReadingTest, TextBetweenCellsGoesBeforeTheTable) {
    Read("<TABLE>x<TR><TD>y</TABLE>");
    EXPECT_THAT(Texts(Document), ElementsAre("x"));
    EXPECT_NE(dynamic_cast<THtmlTable*>(Document.Blocks.Last()), nullptr);
}

TEST_F(ReadingTest, BoldAndLinksEndWithTheirCell) {
    Read("<TABLE><TR><TD><B>bold<TD>plain<TD><A HREF=x.htm>link<TD>after</TABLE>");
    TCellList& row = *FirstTable(Document).Rows[0];
    EXPECT_TRUE(FirstSection(*row[0]).Runs[0]->Face.Style & fsBold);
    EXPECT_FALSE(FirstSection(*row[1]).Runs[0]->Face.Style & fsBold);
    EXPECT_TRUE(FirstSection(*row[2]).Runs[0]->Link == (TUrlTarget{"x.htm", ""}));
    EXPECT_FALSE(FirstSection(*row[3]).Runs[0]->Link.IsLink());
}

TEST_F(ReadingTest, HeaderCellsAreCentredAndBoldUnlessTheRowOrCellAligns) {
    Read("<TABLE><TR><TH>h<TD>d<TR ALIGN=right><TH>rh<TD ALIGN=center>c</TABLE>");
    THtmlTable& table = FirstTable(Document);
    EXPECT_EQ(FirstSection(*(*table.Rows[0])[0]).Align, taCenter);
    EXPECT_TRUE(FirstSection(*(*table.Rows[0])[0]).Runs[0]->Face.Style & fsBold);
    EXPECT_EQ(FirstSection(*(*table.Rows[0])[1]).Align, taLeftJustify);
    EXPECT_EQ(FirstSection(*(*table.Rows[1])[0]).Align, taRightJustify);
    EXPECT_EQ(FirstSection(*(*table.Rows[1])[1]).Align, taCenter);
}

TEST_F(ReadingTest, CaptionAlignDecidesItsSide) {
    const std::pair<const char*, bool> cases[] = {
        {"<TABLE><CAPTION ALIGN=bottom>c</CAPTION><TR><TD>x</TABLE>", false},
        {"<TABLE><CAPTION ALIGN=left>c</CAPTION><TR><TD>x</TABLE>", true},
        {"<TABLE><CAPTION>c</CAPTION><TR><TD>x</TABLE>", true},
    };
    for (const auto& [html, onTop] : cases) {
        SCOPED_TRACE(html);
        Document.ClearDocument();
        Read(html);
        THtmlTable& table = FirstTable(Document);
        EXPECT_EQ(table.CaptionOnTop, onTop);
        EXPECT_THAT(Texts(table.Caption), ElementsAre("c"));
        EXPECT_EQ(table.Rows[0]->Count(), 1);
    }
}

// The rows and cells of the tables beyond the sixteenth become rows of the sixteenth.
TEST_F(ReadingTest, TablesNestDeeperThanSixteenAreReadAsTheirParent) {
    std::string html;
    for (int i = 0; i < 40; ++i) html += "<TABLE><TR><TD>";
    html += "deep";
    for (int i = 0; i < 40; ++i) html += "</TABLE>";
    Read(html + "after");
    int depth = 0;
    TCell* cell = &Document;
    for (THtmlTable* table = FindTable(*cell); table != nullptr; table = FindTable(*cell), ++depth)
        cell = &(*table->Rows.Last())[0]->Cell;
    EXPECT_EQ(depth, 16);
    EXPECT_THAT(Texts(*cell), ElementsAre("deep"));
}

TEST_F(ReadingTest, AnErrorInsideATableKeepsWhatWasRead) {
    EXPECT_THROW(Read("<TABLE><TR><TD>a<TABLE><TR><TD>b<B>c<!-- open"), EParseError);
    THtmlTable& outer = FirstTable(Document);
    THtmlTable& inner = FirstTable((*outer.Rows[0])[0]->Cell);
    // The text right before the open comment is kept too.
    EXPECT_THAT(Texts((*inner.Rows[0])[0]->Cell), ElementsAre("bc"));
}

TEST_F(ReadingTest, SelectOptionsKeepTheirValuesAndSelection) {
    Read("<FORM><SELECT><OPTION VALUE=1>One<OPTION SELECTED>Two<OPTION></SELECT></FORM>");
    auto& select = dynamic_cast<TSelectControl&>(*Document.FormControlList.at(0));
    EXPECT_THAT(select.Options,
                ElementsAre(TSelectOption{"One", "1", false}, TSelectOption{"Two", "", true}));
    EXPECT_THAT(select.Selection, ElementsAre(false, true));
}

TEST_F(ReadingTest, TextAreaKeepsItsLinesAndTheTagsInThem) {
    Read("<TEXTAREA>\rline1\r<b>x</TEXTAREA>after");
    auto& area = dynamic_cast<TTextAreaControl&>(*Document.FormControlList.at(0));
    EXPECT_THAT(area.Lines, ElementsAre("", "line1", "<b>x"));
    EXPECT_EQ(area.Value, "\r\nline1\r\n<b>x");
}

TEST_F(ReadingTest, ScriptGoesWholeToTheHandler) {
    std::string language, script;
    Document.OnScript = [&](const std::string& l, const std::string& s) {
        language = l, script = s;
    };
    Read("<SCRIPT LANGUAGE=x>a<!-- b\rc</script >d</SCRIPT>after");
    EXPECT_EQ(language, "x");
    EXPECT_EQ(script, "a<!-- b\r\nc</script >d");
    EXPECT_THAT(Texts(Document), ElementsAre("after"));
}

TEST_F(ReadingTest, MapsJoinTheDocumentOnlyWhenClosed) {
    Read(
        "<MAP NAME=nav><AREA SHAPE=rect COORDS=\"0,0,10,10\" HREF=a.htm></MAP><MAP NAME=open><AREA "
        "HREF=b>");
    ASSERT_EQ(Document.MapList.Count(), 1);
    auto& map = dynamic_cast<TMapItem&>(*Document.MapList[0]);
    EXPECT_EQ(map.MapName, "NAV");
    TUrlTarget link;
    EXPECT_TRUE(map.LinkAt(5, 5, link));
    EXPECT_EQ(link.Url, "a.htm");
}

// The line holds only images, so they stand on a baseline 20 down: the missing
// one is 20 high, the linked one 10 high inside its border (2) and VSPACE (1).
TEST_F(ReadingTest, PicturesAreReadAtTheFirstLayoutAndMapsTakeThePointInsideThem) {
    TFakeImageSource pictures;
    pictures.Add("a.png", {30, 10});
    Document.SetImageSource(&pictures);
    Document.ImagesOn = true;
    Read(
        "<a href=map.cgi><img src=a.png ismap hspace=3 vspace=1></a><img src=./a.png>"
        "<img src=b.png>");
    EXPECT_EQ(pictures.Loads, 0);
    TFixedCanvas canvas;
    int32_t width = 0, curs = 0;
    Document.LayoutDocument(canvas, 0, 500, width, curs);
    EXPECT_EQ(pictures.Loads, 2);
    Document.PaintDocument(canvas, {0, 0, 500, 500}, 500, 0, 0);
    TLinkHit hit;
    ASSERT_TRUE(Document.LinkAt(canvas, 5 + 5, 7 + 7, hit));
    EXPECT_EQ(hit.Link.Url, "map.cgi?5,7");
    TImageHit image;
    ASSERT_TRUE(Document.ImageAt(5 + 2, 7 + 9, image));
    EXPECT_EQ(image.X, 2);
    EXPECT_EQ(image.Y, 9);
    EXPECT_FALSE(Document.ImageAt(1, 7 + 9, image));  // in the HSPACE
}

// Two frames of 100 and 300 ms; the image stands at the top left of the page.
TEST_F(ReadingTest, AnimatedPicturesStepWhereTheyShowAndStartAgainAtLayout) {
    TFakeImageSource pictures;
    pictures.Add("a.gif", {10, 10}, {100, 300});
    Document.SetImageSource(&pictures);
    Document.ImagesOn = true;
    Read("<img src=a.gif>");
    TFixedCanvas canvas;
    int32_t width = 0, curs = 0;
    auto layout = [&](TSectionList& document) {
        document.LayoutDocument(canvas, 0, 500, width, curs);
    };
    auto drawn = [&](TSectionList& document) {
        canvas.ClearCalls();
        document.PaintDocument(canvas, {0, 0, 500, 500}, 500, 0, 0);
        return canvas.Calls();
    };
    const TRect panel{0, 0, 500, 500};
    layout(Document);
    EXPECT_TRUE(Document.StepAnimations(150, panel).empty());  // not painted yet
    drawn(Document);
    EXPECT_THAT(Document.StepAnimations(150, panel), ElementsAre(TRect{0, 0, 10, 10}));
    EXPECT_THAT(drawn(Document), ElementsAre("DrawImage 0,0,10,10 10x10 frame=1"));
    TSectionList printCopy(Document);
    layout(printCopy);
    EXPECT_THAT(drawn(printCopy), ElementsAre("DrawImage 0,0,10,10 10x10 frame=0"));
    Document.ScrollY = 100;  // out of the panel: it waits
    EXPECT_TRUE(Document.StepAnimations(1000, panel).empty());
    Document.ScrollY = 0;
    layout(Document);
    EXPECT_THAT(drawn(Document), ElementsAre("DrawImage 0,0,10,10 10x10 frame=0"));
}

// A cell without its own picture takes its row's, and one whose picture is
// missing shows the table's; each tiles from its own corner.
TEST_F(ReadingTest, TablesAndCellsTileTheirBackgroundPictures) {
    TFakeImageSource pictures;
    for (const char* name : {"t.png", "r.png", "c.png"}) pictures.Add(name, {8, 8});
    Document.SetImageSource(&pictures);
    Document.ImagesOn = true;
    Read(
        "<table background=t.png><tr background=r.png><td>a</td><td background=c.png>b</td>"
        "<td background=gone.png>c</td></tr></table>");
    TFixedCanvas canvas;
    int32_t width = 0, curs = 0;
    Document.LayoutDocument(canvas, 0, 500, width, curs);
    Document.PaintDocument(canvas, {0, 0, 500, 500}, 500, 0, 0);
    std::vector<std::string> tiles;
    for (const std::string& call : canvas.Calls())
        if (call.starts_with("TileImage")) tiles.push_back(call);
    // Three cells of one 8-pixel character, padding 1 and spacing 2.
    EXPECT_THAT(tiles,
                ElementsAre("TileImage 0,0,38,22 8x8 from 0,0", "TileImage 2,2,12,20 8x8 from 2,2",
                            "TileImage 14,2,24,20 8x8 from 14,2"));
}

TEST_F(ReadingTest, BackgroundSoundAsksTheHandlerWithItsLoopCount) {
    TTempDir dir;
    WriteWholeFile(dir.File("page.htm"), "<BGSOUND SRC=a.wav LOOP=3><BGSOUND SRC=b.wav><BGSOUND>");
    std::vector<std::string> calls;
    ParseDocumentFile(Document, Anchors, dir.File("page.htm"),
                      [&](const std::string& src, int32_t loop, bool stop) {
                          calls.push_back(src + " " + std::to_string(loop) + (stop ? " stop" : ""));
                      });
    EXPECT_THAT(calls, ElementsAre("a.wav 3", "b.wav 1"));
}

std::unique_ptr<TByteSource> Source(const std::string& html) {
    return std::make_unique<TBufferSource>(html.data(), CheckedLength(html.size()));
}

TEST(IsFrameSetDocument, TheFirstStructuralTagDecides) {
    const std::pair<std::string, bool> cases[] = {
        {"<HTML><HEAD><TITLE>t</TITLE><META x>text<SCRIPT>if (a<b) x;</SCRIPT></HEAD><FRAMESET>",
         true},
        {"<HTML><P><FRAMESET>", false},
        {"<TABLE><FRAMESET>", false},
        {"just text", false},
        {"<!-- open", false},
    };
    for (const auto& [html, expected] : cases) {
        SCOPED_TRACE(html);
        EXPECT_EQ(IsFrameSetDocument(Source(html)), expected);
    }
}

// Fails its read with the given error.
class TFailingSource : public TByteSource {
public:
    explicit TFailingSource(std::function<void()> fail) : Fail(std::move(fail)) {}
    std::string ReadAll() override {
        Fail();
        return {};
    }

private:
    std::function<void()> Fail;
};

// Both scans answer "no frame set" for an error of the source or of the markup,
// and let a failure of the machine through.
TEST(IsFrameSetDocument, AnswersNoOnReadErrorsOnly) {
    struct TRow {
        const char* Name;
        std::function<void()> Fail;
        bool Propagates;
    };
    for (const TRow& row : {TRow{"ReadError", [] { throw EReadError(); }, false},
                            TRow{"Overflow", [] { throw EIntOverflow(); }, false},
                            TRow{"OutOfMemory", [] { throw std::bad_alloc(); }, true}}) {
        SCOPED_TRACE(row.Name);
        auto source = [&] { return std::make_unique<TFailingSource>(row.Fail); };
        TFrameSet set;
        if (row.Propagates) {
            EXPECT_THROW(IsFrameSetDocument(source()), std::bad_alloc);
            EXPECT_THROW(ParseFrameSetDocument(set, source()), std::bad_alloc);
        } else {
            EXPECT_FALSE(IsFrameSetDocument(source()));
            EXPECT_FALSE(ParseFrameSetDocument(set, source()));
        }
    }
}

TEST(ParseFrameSetDocument, ReadsTheHeadAndTheNestedSets) {
    TFrameSet set;
    std::string script;
    set.OnScript = [&](const std::string&, const std::string& text) { script = text; };
    std::string html =
        "<TITLE>Frames</TITLE><BASE HREF=http://x/><FRAMESET COLS=\"30%,*\"><FRAME SRC=a.htm "
        "NAME=left>"
        "<NOFRAMES><FRAME SRC=never.htm></NOFRAMES><FRAMESET ROWS=*,*><FRAME "
        "SRC=b.htm><SCRIPT>s</SCRIPT>"
        "<FRAME SRC=c.htm></FRAMESET></FRAMESET><BODY><FRAMESET>";
    EXPECT_TRUE(ParseFrameSetDocument(set, Source(html)));
    EXPECT_EQ(set.Title, "Frames");
    EXPECT_EQ(set.Base, "http://x/");
    ASSERT_EQ(set.Children.size(), 2u);
    EXPECT_EQ(set.Children[0].Frame->Name, "left");
    const TSubFrameSet& inner = *set.Children[1].Set;
    ASSERT_EQ(inner.Children.size(), 2u);
    EXPECT_EQ(inner.Children[1].Frame->Source, "c.htm");
    EXPECT_EQ(inner.Rows.size(), 2u);
    EXPECT_TRUE(inner.Complete);
    EXPECT_EQ(script, "s");
}

TEST(ParseFrameSetDocument, DeepNestingIsCut) {
    std::string html;
    for (int i = 0; i < 1000; ++i) html += "<FRAMESET>";
    TFrameSet set;
    EXPECT_TRUE(ParseFrameSetDocument(set, Source(html + "<FRAME SRC=x>")));
    int depth = 1;
    for (const TSubFrameSet* inner = &set; !inner->Children.empty() && inner->Children[0].Set;
         ++depth)
        inner = inner->Children[0].Set.get();
    EXPECT_EQ(depth, 16);
}

}  // namespace
}  // namespace codelume
