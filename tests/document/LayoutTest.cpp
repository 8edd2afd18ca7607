#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "support/CountingCanvas.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;

TEST(LayoutDocument, WrapsBeforeTheWordThatDoesNotFit) {
    TDocumentTest test;
    TSection& section = test.AddText("aaaa bbbb cccc");
    EXPECT_EQ(test.Layout(10 * 8), 32);
    EXPECT_THAT(LineTexts(section), ElementsAre("aaaa bbbb ", "cccc"));
    EXPECT_EQ(section.Lines[1]->TextHeight, 16);
    EXPECT_EQ(section.Lines[1]->LineDescent, 4);
}

TEST(LayoutDocument, RunsATooLongWordOnToItsEndAndSpaces) {
    TDocumentTest test;
    TSection& section = test.AddText("aaaaaaaaaaaa  bb");
    test.Layout(40);
    EXPECT_THAT(LineTexts(section), ElementsAre("aaaaaaaaaaaa  ", "bb"));
}

TEST(LayoutDocument, BreaksAroundIdeographsKanaAndHangul) {
    struct TRow {
        const char* Name;
        const char* Text;
        int32_t Chars;  // the width in characters of 8 px
        std::vector<std::string> Lines;
    };
    for (const TRow& row : {
             TRow{"Ideographs", "一二三四五六七", 3, {"一二三", "四五六", "七"}},
             TRow{"Kana", "ひらがなカタカナ", 3, {"ひらが", "なカタ", "カナ"}},
             TRow{"Hangul", "한국어문장", 2, {"한국", "어문", "장"}},
             TRow{"AfterALatinWord", "ab中文字", 3, {"ab中", "文字"}},
             TRow{"BeforeALatinWord", "中abcd", 3, {"中", "abcd"}},
             TRow{"AfterASpace", "ab 中文", 4, {"ab 中", "文"}},
             TRow{"NotBeforeAClosingMark", "中文。", 2, {"中", "文。"}},
             TRow{"NotAfterAnOpeningBracket", "一二「三四」", 3, {"一二", "「三", "四」"}},
             TRow{"AfterAClosingMark", "中。ab", 2, {"中。", "ab"}},
             TRow{"OneAtLeast", "中文", 0, {"中", "文"}},
             TRow{"LatinAsBefore", "abc def", 5, {"abc ", "def"}},
             TRow{"AfterAZeroWidthSpace", "abc\u200Bdef", 5, {"abc\u200B", "def"}},
         }) {
        SCOPED_TRACE(row.Name);
        TDocumentTest test;
        TSection& section = test.AddText(row.Text);
        test.Layout(row.Chars * 8 + 4);
        EXPECT_EQ(LineTexts(section), row.Lines);
    }
}

// Each line measures about what it holds, not the rest of its block: the
// bytes measured grow with the text, not with its square.
TEST(LayoutDocument, MeasuresNarrowLinesInTimeLinearInTheText) {
    std::vector<int64_t> measured;
    for (int words : {1000, 2000}) {
        TDocumentTest test;
        std::string text;
        for (int word = 0; word < words; ++word) text += "ab ";
        test.AddText(text);
        TCountingCanvas canvas;
        int32_t contentWidth = 0, curs = 0;
        test.Doc.LayoutDocument(canvas, 0, 5 * 8, contentWidth, curs);
        measured.push_back(canvas.MeasuredBytes);
    }
    EXPECT_LE(measured[1], 5 * measured[0] / 2) << measured[0] << " then " << measured[1];
}

TEST(LayoutDocument, AWordWiderThanTheLineWidensTheDocument) {
    struct TRow {
        const char* Name;
        const char* Text;
        TAlignment Align;
        int32_t Depth;
        int32_t Width;
    };
    for (TRow row : {
             TRow{"Left", "aaaaaaaaaaaa bb", taLeftJustify, 0, 12 * 8},
             TRow{"Indented", "aaaaaaaaaaaa bb", taLeftJustify, 1, 35 + 12 * 8},
             TRow{"Centred", "aaaaaaaaaaaa", taCenter, 0, 12 * 8},
             TRow{"RightStartsAtTheLeftEdge", "aaaaaaaaaaaa", taRightJustify, 0, 12 * 8},
             TRow{"Fits", "aaaa bbbb", taLeftJustify, 0, 40},
             TRow{"TrailingSpacesDoNot", "aaaaa     b", taLeftJustify, 0, 40},
         }) {
        SCOPED_TRACE(row.Name);
        TDocumentTest test;
        TSection& section = test.AddText(row.Text, row.Align, row.Depth);
        int32_t maxWidth = 0, curs = 0;
        test.Doc.LayoutDocument(test.Canvas, 0, 40, maxWidth, curs);
        EXPECT_EQ(maxWidth, row.Width);
        EXPECT_GE(section.Lines[0]->LeftX, row.Depth * 35);
    }
}

TEST(LayoutDocument, TakesTheSpacesThatFollowTheLastFittedSpace) {
    TDocumentTest test;
    auto section = test.Make<TPreformatted>(0, taLeftJustify, TUrlTarget{});
    section->AppendText("aaaa     bbbb");
    TSection& pre = test.Add(std::move(section));
    int32_t maxWidth = 0, curs = 0;
    test.Doc.LayoutDocument(test.Canvas, 0, 40, maxWidth, curs);
    EXPECT_THAT(LineTexts(pre), ElementsAre("aaaa     bbbb"));  // preformatted text does not wrap
    EXPECT_EQ(maxWidth, 13 * 8);
    EXPECT_EQ(curs, 13);
}

TEST(LayoutDocument, AlignsLinesWithoutTheirTrailingSpaces) {
    struct TRow {
        const char* Name;
        const char* Text;
        TAlignment Align;
        int32_t LeftX;
    };
    for (TRow row :
         {TRow{"Left", "ab  ", taLeftJustify, 0}, TRow{"Centre", "ab  ", taCenter, (100 - 16) / 2},
          TRow{"Right", "ab  ", taRightJustify, 100 - 16},
          TRow{"OnlySpacesKeepOne", "   ", taCenter, (100 - 8) / 2}}) {
        SCOPED_TRACE(row.Name);
        TDocumentTest test;
        TSection& section = test.AddText(row.Text, row.Align);
        test.Layout(100);
        EXPECT_EQ(section.Lines[0]->LeftX, row.LeftX);
    }
}

TEST(LayoutDocument, IndentsNestedBlocksByThirtyFivePixelsALevel) {
    TDocumentTest test;
    auto item = [&](int32_t depth, const char* text) -> TSection& {
        auto block = test.Make<TUListItem>(depth, TUrlTarget{});
        block->AppendText(text);
        return test.Add(std::move(block));
    };
    TSection& outer = item(1, "a");
    item(1, "");
    TSection& inner = item(2, "b");
    TSection& after = test.AddText("c");
    test.Layout(200);
    EXPECT_EQ(outer.Lines[0]->LeftX, 35);
    EXPECT_EQ(outer.TopLeftEdge, 35);
    EXPECT_EQ(inner.Lines[0]->LeftX, 70);
    EXPECT_EQ(after.Lines[0]->LeftX, 0);
    EXPECT_EQ(inner.IndentPx, 70);
}

TEST(LayoutDocument, GivesAnEmptyBlockNoLinesAndNoHeight) {
    TDocumentTest test;
    TSection& empty = test.Add(test.Make(0, taLeftJustify, TUrlTarget{}));
    EXPECT_EQ(test.Layout(100), 0);
    EXPECT_EQ(empty.Lines.Count(), 0);
}

class CloseLine : public ::testing::TestWithParam<std::tuple<TImageAlign, int32_t, int32_t>> {};

// A 40-pixel image in a line of 16-pixel text with descent 4.
TEST_P(CloseLine, RaisesTheGapsByImageAlignment) {
    auto [align, gapAbove, gapBelow] = GetParam();
    TDocumentTest test;
    auto section = test.MakeText("ab");
    section->InsertImage(std::make_unique<TTestImage>(40, 40, align));
    TSection& added = test.Add(std::move(section));
    EXPECT_EQ(test.Layout(200), gapAbove + 16 + gapBelow);
    EXPECT_EQ(added.Lines[0]->GapAbove, gapAbove);
    EXPECT_EQ(added.Lines[0]->GapBelow, gapBelow);
}

INSTANTIATE_TEST_SUITE_P(Alignments, CloseLine,
                         ::testing::Values(std::make_tuple(iaBottom, 28, 0),
                                           std::make_tuple(iaMiddle, 12, 12),
                                           std::make_tuple(iaTop, 0, 24)));

TEST(LayoutDocument, GivesALineOfOnlyImagesNoTextHeight) {
    TDocumentTest test;
    auto section = test.Make(0, taLeftJustify, TUrlTarget{});
    section->InsertImage(std::make_unique<TTestImage>(20, 30, iaBottom));
    TSection& added = test.Add(std::move(section));
    EXPECT_EQ(test.Layout(200), 30);
    EXPECT_EQ(added.Lines[0]->TextHeight, 0);
    EXPECT_EQ(added.Lines[0]->GapAbove, 30);
}

TEST(LayoutDocument, NarrowsLinesBesideAFloatAndClearsBelowIt) {
    TDocumentTest test;
    auto floats = test.Make(0, taLeftJustify, TUrlTarget{});
    floats->InsertImage(std::make_unique<TTestImage>(40, 100, iaLeft));
    floats->InsertImage(std::make_unique<TTestImage>(40, 150, iaRight));
    floats->AppendText("x");
    TSection& beside = test.Add(std::move(floats));
    TSection& cleared = test.AddText("y");
    cleared.ClearMode = cmBoth;
    EXPECT_EQ(test.Layout(300), 16 + 134 + 16);
    EXPECT_EQ(beside.Lines[0]->LeftX, 45);  // image width and the 5-pixel space
    EXPECT_EQ(beside.Lines[0]->Extent, 150);
    EXPECT_EQ(beside.PaintHeight, 150);
    // The right float ends at 150, so the gap is 151 - 16 - 1 and the text starts at 150.
    ASSERT_EQ(cleared.Lines.Count(), 2);
    EXPECT_EQ(cleared.Lines[0]->TextHeight, 134);
    EXPECT_EQ(cleared.Lines[0]->CharsInLine, 0);
    EXPECT_EQ(cleared.Lines[1]->LeftX, 0);
}

TEST(LayoutDocument, HangsAFloatMetInsideALineBelowIt) {
    TDocumentTest test;
    auto section = test.MakeText("ab ");
    section->InsertImage(std::make_unique<TTestImage>(40, 50, iaLeft));
    section->AppendText("cd efgh");
    TSection& added = test.Add(std::move(section));
    test.Layout(9 * 8);
    EXPECT_THAT(LineTexts(added), ElementsAre("ab \x04"
                                              "cd ",
                                              "efgh"));
    EXPECT_EQ(added.Lines[0]->Extent, 16 + 50);
    EXPECT_EQ(added.Lines[1]->LeftX, 45);
}

TEST(WidthBounds, MeasuresTheWidestWordAndTheWholeText) {
    TDocumentTest test;
    auto section = test.MakeText("aa bbbb c");
    int32_t minWidth = 0, maxWidth = 0;
    section->WidthBounds(test.Canvas, minWidth, maxWidth);
    EXPECT_EQ(minWidth, 32);
    EXPECT_EQ(maxWidth, 72);
    // Ideographs are words of their own; a Latin word or a closing mark beside them
    // stays with them. A zero-width space ends a word.
    for (auto [text, widest] : {std::pair{"中文字", 8}, std::pair{"ab中  文", 16},
                                std::pair{"中文。", 16}, std::pair{"ab\u200Bcde", 24}}) {
        SCOPED_TRACE(text);
        test.MakeText(text)->WidthBounds(test.Canvas, minWidth, maxWidth);
        EXPECT_EQ(minWidth, widest);
    }
    auto pre = test.Make<TPreformatted>(1, taLeftJustify, TUrlTarget{});
    pre->AppendText(std::string(100, 'x'));
    pre->WidthBounds(test.Canvas, minWidth, maxWidth);
    EXPECT_EQ(maxWidth, 800 + 35);
    EXPECT_EQ(minWidth, 500);
}

class TFailingBlock : public TSectionBase {
public:
    TBlockKind Kind() const override { return TBlockKind::Table; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList&) const override { return nullptr; }
    int32_t LayoutAt(TCanvas&, int32_t, IndentManager&, int32_t&, int32_t& curs) override {
        curs += 5;
        throw EProcessError("Table has too many Columns");
    }
};

TEST(LayoutDocument, ReportsAndDropsABlockThatCannotBeLaidOut) {
    TDocumentTest test;
    std::vector<std::string> reports;
    test.Doc.OnLayoutError = [&](const std::string& message) { reports.push_back(message); };
    test.AddText("a");
    test.Doc.AddSection(std::make_unique<TFailingBlock>());
    TSection& after = test.AddText("b");
    EXPECT_EQ(test.Layout(100), 32);
    EXPECT_THAT(reports, ElementsAre("Table has too many Columns"));
    EXPECT_EQ(test.Doc.Blocks.Count(), 2);
    EXPECT_EQ(after.FirstIndex, 1);
}

TEST(LayoutDocument, DropsABlockWhoseHeightWouldOverflow) {
    TDocumentTest test;
    std::vector<std::string> reports;
    test.Doc.OnLayoutError = [&](const std::string& message) { reports.push_back(message); };
    for (int i = 0; i < 2; ++i) {
        auto section = test.Make(0, taLeftJustify, TUrlTarget{});
        section->InsertImage(std::make_unique<TTestImage>(20, INT32_MAX - 100, iaBottom));
        test.Add(std::move(section));
    }
    test.AddText("a");
    EXPECT_EQ(test.Layout(100), INT32_MAX - 100 + 16);
    EXPECT_THAT(reports, ElementsAre("Integer overflow"));
    EXPECT_EQ(test.Doc.Blocks.Count(), 2);
}

TEST(LayoutDocument, SumsGapAndRuleHeightsFromTheFontSize) {
    TDocumentTest test;
    test.Add(std::make_unique<TParagraphSpace>());
    test.Add(std::make_unique<THeadingSpace>(1));
    test.Add(std::make_unique<THeadingSpace>(4));
    TAttributeList attributes;
    attributes.Add(SizeSy, 5, "5");
    test.Add(std::make_unique<THorzLine>(attributes));
    test.Add(std::make_unique<TPage>());
    EXPECT_EQ(test.Layout(100), 14 + 16 + 8 + (20 + 5 - 2));
    EXPECT_EQ(test.Doc.Blocks[4]->TopY, 61);
}

}  // namespace
}  // namespace codelume
