#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "canvas/FixedCanvas.h"
#include "document/AnchorIndex.h"
#include "document/SectionList.h"
#include "support/FakeImageSource.h"

namespace codelume {
namespace {

TEST(SectionListCopy, LaysOutLikeTheOriginalWithoutItsNotification) {
    TDocumentTest test;
    int notified = 0;
    test.Doc.OnPageColor = [&](TColor) { ++notified; };
    test.Doc.ScrollY = 40;
    test.AddText("aaaa bbbb cccc", taCenter);
    test.Add(std::make_unique<THeadingSpace>(2));
    auto item =
        std::make_unique<TOListItem>(1, TUrlTarget{}, test.Doc.BaseFont(), test.Style, 'i', 3);
    item->AppendText("x");
    test.Add(std::move(item));
    TSectionList copy(test.Doc);
    copy.SetPageColor(clWhite);
    EXPECT_EQ(notified, 0);
    EXPECT_EQ(copy.ScrollY, 40);
    int32_t width = 0, curs = 0;
    EXPECT_EQ(copy.LayoutDocument(test.Canvas, 0, 80, width, curs), test.Layout(80));
    ASSERT_EQ(copy.Blocks.Count(), 3);
    auto& copied = static_cast<TSection&>(*copy.Blocks[0]);
    EXPECT_EQ(copied.Text(), "aaaa bbbb cccc");
    EXPECT_EQ(copied.Owner, &copy);
    EXPECT_EQ(copied.Lines[1]->LeftX, static_cast<TSection&>(*test.Doc.Blocks[0]).Lines[1]->LeftX);
    EXPECT_EQ(static_cast<TOListItem&>(*copy.Blocks[2]).NumberStyle, 'i');
    EXPECT_EQ(copy.Blocks[2]->Kind(), TBlockKind::OListItem);
}

TEST(PictureCache, AsksForEachFileOnceAndSharesItWithThePrintCopy) {
    TFakeImageSource source;
    source.Add("a.png", {30, 20});
    TSectionList document;
    EXPECT_EQ(document.Pictures->Find("a.png"), nullptr);  // no source yet
    document.SetImageSource(&source);
    const TPicture* picture = document.Pictures->Find("a.png");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Size, (TSize{30, 20}));
    EXPECT_EQ(document.Pictures->Find("./a.png"), picture);
    EXPECT_EQ(document.Pictures->Find("missing.png"), nullptr);
    EXPECT_EQ(document.Pictures->Find("missing.png"), nullptr);
    EXPECT_EQ(document.Pictures->Find("http://host/a.png"), nullptr);
    EXPECT_EQ(document.Pictures->Find(""), nullptr);
    EXPECT_EQ(source.Loads, 2);
    TSectionList copy(document);
    EXPECT_EQ(copy.Pictures->Find("a.png"), picture);
    copy.ClearDocument();
    EXPECT_EQ(document.Pictures->Find("a.png"), picture);
    document.ClearDocument();
    document.Pictures->Find("a.png");
    EXPECT_EQ(source.Loads, 3);
}

// The 32 by 20 tile scrolled 70 to the right and 45 down starts 6 and 5 pixels
// before the band; a page without a shown picture leaves the panel's colour.
TEST(PaintBackground, TilesThePictureSoThatItScrollsWithTheText) {
    struct TCase {
        const char* Name;
        const char* Background;
        bool ImagesOn;
        bool ForPrinter;
        std::vector<std::string> Expected;
    } cases[] = {
        {"Tiled", "tile.png", true, false, {"TileImage 0,0,300,200 32x20 from -6,-5"}},
        {"ImagesOff", "tile.png", false, false, {}},
        {"Printed", "tile.png", true, true, {}},
        {"Missing", "gone.png", true, false, {}},
        {"None", "", true, false, {}},
    };
    TFakeImageSource source;
    source.Add("tile.png", {32, 20});
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        TSectionList document;
        document.SetImageSource(&source);
        document.BackgroundName = row.Background;
        document.ImagesOn = row.ImagesOn;
        document.ForPrinter = row.ForPrinter;
        document.ScrollY = 45;
        TFixedCanvas canvas;
        document.PaintBackground(canvas, {0, 0, 300, 200}, 70);
        EXPECT_EQ(canvas.Calls(), row.Expected);
    }
}

TEST(SetDefaults, RederivesEveryRunFont) {
    TDocumentTest test;
    auto section = test.MakeText("a");
    section->ChangeLink(test.Doc, test.Doc.BaseFont(), {"x.htm", ""}, test.Style);
    section->AppendText("b");
    TSection& added = test.Add(std::move(section));
    test.Doc.SetDefaults("Arial", "Courier New", clWhite, clRed, clNavy, 15);
    EXPECT_EQ(added.Runs[0]->Face.Name, "Arial");
    EXPECT_EQ(added.Runs[0]->Face.Size, 15);
    EXPECT_EQ(added.Runs[0]->Face.Color, clNavy | PaletteRelative);
    EXPECT_EQ(added.Runs[1]->Face.Color, clRed | PaletteRelative);
    EXPECT_EQ(test.Doc.PageColor, clWhite);
}

TEST(ClearDocument, EmptiesTheDocument) {
    TDocumentTest test;
    test.AddText("a");
    test.Doc.SelStart = 3;
    test.Doc.BackgroundName = "bg.gif";
    test.Doc.ClearDocument();
    EXPECT_TRUE(test.Doc.Blocks.IsEmpty());
    EXPECT_EQ(test.Doc.SelStart, 0);
    EXPECT_TRUE(test.Doc.BackgroundName.empty());
}

TEST(AnchorIndex, KeepsUpperCasedNamesInOrderOnceEach) {
    TAnchorIndex anchors;
    TDocumentTest test;
    TSection& first = test.AddText("a");
    TSection& second = test.AddText("b");
    anchors.Add("top", &first);
    anchors.Add("Alpha", &second);
    anchors.Add("TOP", &second);
    ASSERT_EQ(anchors.Count(), 2);
    EXPECT_EQ(anchors[0].Name, "ALPHA");
    EXPECT_EQ(anchors.Find("Top"), &first);
    anchors.MoveAnchors(&first, &second);
    EXPECT_EQ(anchors.Find("top"), &second);
    EXPECT_EQ(anchors.Find("none"), nullptr);
    // Names added after a look are merged in; the first of a name still wins.
    anchors.Add("beta", &first);
    anchors.Add("ALPHA", &first);
    EXPECT_EQ(anchors.Count(), 3);
    EXPECT_EQ(anchors[1].Name, "BETA");
    EXPECT_EQ(anchors.Find("alpha"), &second);
}

// Moving from a block whose anchors already moved once, or into a block that
// has anchors of its own, still carries every anchor along.
TEST(AnchorIndex, MovesCarryEveryAnchorThroughChainsAndJoins) {
    TAnchorIndex anchors;
    TDocumentTest test;
    TSection* blocks[] = {&test.AddText("a"), &test.AddText("b"), &test.AddText("c"),
                          &test.AddText("d")};
    anchors.Add("x", blocks[0]);
    anchors.Add("y", blocks[1]);
    anchors.MoveAnchors(blocks[0], blocks[1]);
    anchors.Add("z", blocks[1]);
    anchors.MoveAnchors(blocks[1], blocks[2]);
    anchors.Add("w", blocks[0]);
    for (const char* name : {"x", "y", "z"}) EXPECT_EQ(anchors.Find(name), blocks[2]) << name;
    anchors.MoveAnchors(blocks[2], blocks[3]);
    for (const char* name : {"x", "y", "z"}) EXPECT_EQ(anchors.Find(name), blocks[3]) << name;
    EXPECT_EQ(anchors.Find("w"), blocks[0]);
    anchors.Clear();
    EXPECT_EQ(anchors.Count(), 0);
    EXPECT_EQ(anchors.Find("x"), nullptr);
}

}  // namespace
}  // namespace codelume
