#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"

namespace codelume {
namespace {

// Lays the blocks out at 100 pixels and paints them at x 10.
void LayOutAndPaint(TDocumentTest& test) {
    test.Layout(100);
    test.Doc.PaintDocument(test.Canvas, {0, 0, 800, 600}, 500, 10, 0);
}

TEST(CharIndexAt, AnswersTheNearestCharacterBoundary) {
    struct TRow {
        const char* Name;
        int32_t X;
        int32_t Index;
    };
    for (TRow row : {TRow{"LeftOfTheLine", 5, 16}, TRow{"BeforeTheMiddle", 10 + 8 + 3, 17},
                     TRow{"PastTheMiddle", 10 + 8 + 5, 18}, TRow{"PastTheEnd", 400, 20}}) {
        SCOPED_TRACE(row.Name);
        TDocumentTest test;
        test.AddText("aaaa bbbb cccc ");  // 15 characters, then a paragraph gap
        test.Add(std::make_unique<TParagraphSpace>());
        test.AddText("abcd");
        LayOutAndPaint(test);
        // The first block takes two lines (32 pixels), the gap 14.
        TCharHit hit = test.Doc.CharIndexAt(test.Canvas, row.X, 32 + 14 + 3);
        EXPECT_EQ(hit.Index, row.Index - 1);
        EXPECT_EQ(hit.LineTop, 46);
        EXPECT_EQ(hit.LineHeight, 16);
    }
}

TEST(CharIndexAt, NeverAnswersAnIndexInsideACharacter) {
    struct TRow {
        const char* Name;
        int32_t X;
        int32_t Index;  // a byte offset
    };
    for (TRow row :
         {TRow{"BeforeTheMiddle", 10 + 8 + 3, 1}, TRow{"PastTheMiddle", 10 + 8 + 5, 4},
          TRow{"OnTheNextCharacter", 10 + 16 + 2, 4}, TRow{"PastTheFourByteOne", 10 + 24 + 5, 9}}) {
        SCOPED_TRACE(row.Name);
        TDocumentTest test;
        test.AddText("a\u4E2D\U0001F600b");
        LayOutAndPaint(test);
        EXPECT_EQ(test.Doc.CharIndexAt(test.Canvas, row.X, 3).Index, row.Index);
    }
}

TEST(CharIndexAt, AnswersMinusOneBelowTheDocument) {
    TDocumentTest test;
    test.AddText("a");
    LayOutAndPaint(test);
    EXPECT_EQ(test.Doc.CharIndexAt(test.Canvas, 10, 16).Index, -1);
}

TEST(CaretPoint, PlacesTheCaretInItsLine) {
    TDocumentTest test;
    test.AddText("aaaa bbbb cccc");
    LayOutAndPaint(test);
    TPoint point;
    ASSERT_TRUE(test.Doc.CaretPoint(test.Canvas, 12, point));
    EXPECT_EQ(point, (TPoint{16, 16}));
    ASSERT_TRUE(
        test.Doc.CaretPoint(test.Canvas, 10, point));  // a line's end belongs to the next line
    EXPECT_EQ(point, (TPoint{0, 16}));
    EXPECT_FALSE(test.Doc.CaretPoint(test.Canvas, 14, point));
}

TEST(LinkAt, AnswersACopyOfTheLinkUnderThePoint) {
    TDocumentTest test;
    auto section = test.MakeText("go ");
    section->ChangeLink(test.Doc, test.Doc.BaseFont(), {"next.htm", "main"}, test.Style);
    section->AppendText("here");
    test.Add(std::move(section));
    LayOutAndPaint(test);
    TLinkHit hit;
    EXPECT_FALSE(test.Doc.LinkAt(test.Canvas, 10 + 8, 5, hit));
    ASSERT_TRUE(test.Doc.LinkAt(test.Canvas, 10 + 3 * 8 + 1, 5, hit));
    EXPECT_EQ(hit.Link, (TUrlTarget{"next.htm", "main"}));
}

TEST(LinkAt, AppendsTheClickPositionForAServerSideMap) {
    TDocumentTest test;
    auto section = test.MakeText("x");
    section->ChangeLink(test.Doc, test.Doc.BaseFont(), {"map.cgi", ""}, test.Style);
    auto image = std::make_unique<TTestImage>(40, 40, iaBottom);
    image->IsMap = true;
    image->Border = 0;
    section->InsertImage(std::move(image));
    test.Add(std::move(section));
    LayOutAndPaint(test);
    TLinkHit hit;
    ASSERT_TRUE(test.Doc.LinkAt(test.Canvas, 10 + 8 + 5, 7, hit));
    EXPECT_EQ(hit.Link.Url, "map.cgi?5,7");
    TImageHit imageHit;
    ASSERT_TRUE(test.Doc.ImageAt(10 + 8 + 39, 39, imageHit));
    EXPECT_EQ(imageHit.X, 39);
}

// The queries ask only the blocks near their point or index, and still find
// what lies far down a long document, or in a float that hangs below its block.
TEST(HitTests, FindTheirBlockAmongMany) {
    TDocumentTest test;
    for (int i = 0; i < 300; ++i) {
        auto section = test.MakeText("word");
        if (i == 150)
            section->ChangeLink(test.Doc, test.Doc.BaseFont(), {"far.htm", ""}, test.Style);
        if (i == 150) section->AppendText("link");
        if (i == 200) section->InsertImage(std::make_unique<TTestImage>(40, 100, iaLeft));
        test.Add(std::move(section));
    }
    test.Layout(200);
    test.Doc.PaintDocument(test.Canvas, {0, 0, 800, 10000}, 500, 10, 0);
    const TSectionBase& linked = *test.Doc.Blocks[150];
    const auto& floating = dynamic_cast<const TSection&>(*test.Doc.Blocks[200]);
    ASSERT_LT(floating.BlockHeight, 100);
    TLinkHit link;
    EXPECT_TRUE(test.Doc.LinkAt(test.Canvas, 10 + 5 * 8, linked.TopY + 5, link));
    EXPECT_EQ(link.Link.Url, "far.htm");
    EXPECT_FALSE(test.Doc.LinkAt(test.Canvas, 10 + 5 * 8, linked.TopY - 5, link));
    EXPECT_FALSE(test.Doc.LinkAt(test.Canvas, 10, 1000000, link));  // below every block
    TImageHit image;
    ASSERT_TRUE(test.Doc.ImageAt(10 + 5, floating.TopY + 90, image));
    EXPECT_EQ(image.Image, floating.Images[0]);
    TPoint caret;
    ASSERT_TRUE(test.Doc.CaretPoint(test.Canvas, test.Doc.Blocks[250]->FirstIndex + 1, caret));
    EXPECT_EQ(caret.Y, test.Doc.Blocks[250]->TopY);
    char ch = 0;
    TSectionBase* block = nullptr;
    ASSERT_TRUE(test.Doc.CharAt(test.Doc.Blocks[299]->FirstIndex + 2, ch, block));
    EXPECT_EQ(ch, 'r');
    EXPECT_EQ(block, test.Doc.Blocks[299]);
}

TEST(SearchText, FindsWholeCharactersWithOrWithoutCase) {
    struct TRow {
        const char* Name;
        std::string Wanted;
        TCaseSense Sense;
        int32_t From;
        int32_t Found;
    };
    TDocumentTest test;
    test.AddText("Hello World");
    test.AddText("\u00C9t\u00C9 \u0416\u3A69");  // bytes 11, 16, 17 and 19 start the words
    LayOutAndPaint(test);
    for (const TRow& row : {
             TRow{"AsciiIgnoringCase", "world", TCaseSense::Ignore, 0, 6},
             TRow{"AsciiMatchingCase", "world", TCaseSense::Match, 0, -1},
             TRow{"FromAnIndex", "o", TCaseSense::Match, 7, 7},
             TRow{"LatinCapitals", "\u00E9T\u00E9", TCaseSense::Ignore, 0, 11},
             TRow{"CyrillicCapital", "\u0436", TCaseSense::Ignore, 0, 17},
             // U+3A69 is E3 A9 A9; the e acute, C3 A9, must not fold onto its first bytes.
             TRow{"NotTheBytesOfAnotherCharacter", "\u00E9", TCaseSense::Ignore, 16, -1},
             TRow{"NotInsideACharacter", "\xA9", TCaseSense::Match, 0, -1},
             // Only the first 255 characters of a longer search text are compared.
             TRow{"LongSearchIsCut", "hello world" + std::string(300, 'q'), TCaseSense::Ignore, 0,
                  -1},
         }) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(test.Doc.SearchText(row.From, row.Wanted, row.Sense), row.Found);
    }
}

TEST(SelectionLength, CountsTheLineBreaksAndIndentsOfTheSelection) {
    TDocumentTest test;
    test.AddText("aaaa bbbb");
    auto item = test.Make<TUListItem>(1, TUrlTarget{});
    item->AppendText("c");
    test.Add(std::move(item));
    test.Layout(5 * 8);
    test.Doc.SelStart = 5;  // the start of the second line
    test.Doc.SelEnd = 10;
    EXPECT_EQ(test.Doc.SelectedText(), "\r\nbbbb\r\n   c\r\n");
    EXPECT_EQ(test.Doc.SelectionLength(), 2 + 4 + 2 + 3 + 1 + 2);
    test.Doc.SelEnd = 5;
    EXPECT_EQ(test.Doc.SelectionLength(), 0);
}

TEST(BlockAt, FindsTheFirstBlockWhoseBottomIsBelowY) {
    TDocumentTest test;
    test.AddText("a");                              // 0 to 16
    test.Add(std::make_unique<TParagraphSpace>());  // 16 to 30
    test.Add(std::make_unique<TParagraphSpace>());
    test.AddText("aaaa bbbb cccc");  // three lines: 44 to 92
    test.Layout(5 * 8);
    struct TRow {
        const char* Name;
        int32_t Y;
        int Index;
        int32_t Top;
    };
    for (TRow row : {TRow{"AboveTheTop", -5, 0, 0}, TRow{"TopOfTheFirst", 0, 0, 0},
                     TRow{"BottomOfTheFirst", 15, 0, 0}, TRow{"FirstGap", 16, 1, 16},
                     TRow{"SecondGap", 30, 2, 30}, TRow{"LastLine", 91, 3, 44},
                     TRow{"PastTheEnd", 92, 4, 92}}) {
        SCOPED_TRACE(row.Name);
        int32_t top = -1;
        int index = -1;
        TSectionBase* block = test.Doc.BlockAt(row.Y, top, index);
        EXPECT_EQ(block, row.Index < 4 ? test.Doc.Blocks[row.Index] : nullptr);
        EXPECT_EQ(index, row.Index);
        EXPECT_EQ(top, row.Top);
    }
}

TEST(LineTopAt, FindsTheLineThatHoldsY) {
    TDocumentTest test;
    test.AddText("a");
    test.AddText("aaaa bbbb cccc");
    test.Layout(5 * 8);
    int32_t top = 0;
    int index = 0;
    EXPECT_EQ(test.Doc.LineTopAt(40, top, index), test.Doc.Blocks[1]);
    EXPECT_EQ(top, 32);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(test.Doc.LineTopAt(16 + 48, top, index), nullptr);
    EXPECT_EQ(test.Doc.HeightBefore(1), 16);
}

}  // namespace
}  // namespace codelume
