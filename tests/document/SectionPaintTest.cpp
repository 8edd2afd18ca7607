#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "base/Format.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr TRect Screen{0, 0, 800, 600};

std::vector<std::string> Paint(TDocumentTest& test, const TRect& band = Screen, int32_t x = 10) {
    test.Canvas.ClearCalls();
    test.Doc.PaintDocument(test.Canvas, band, 500, x, 0);
    return test.Canvas.Calls();
}

// A 20 by 30 control that logs where it was shown or drew itself.
class TTestControl : public TFormControlObj {
public:
    explicit TTestControl(bool window) : TFormControlObj(TControlKind::Edit), Window(window) {
        Width = 20;
        Height = 30;
    }
    bool Window;
    std::vector<std::string> Log;

    void Measure(TCanvas&) override {}
    bool HasWindow() const override { return Window; }
    void ShowAt(int32_t x, int32_t y) override { Log.push_back(Format("ShowAt %d,%d", x, y)); }
    void PaintAt(TCanvas&, int32_t x, int32_t y) override {
        Log.push_back(Format("PaintAt %d,%d", x, y));
    }
};

TEST(PaintDocument, ShowsAWindowedControlAndDrawsOneWithoutAWindow) {
    TTestControl windowed(true), drawn(false);
    drawn.OnBaseline = false;
    TDocumentTest test;
    TSection& section = test.AddText("a");
    section.InsertFormControl(windowed);
    section.InsertFormControl(drawn);
    test.Layout(200);
    // The line rises 30 - (16 - 4) above its text, so its text bottom is at 18 + 16;
    // the control on the baseline stands 4 higher than the other.
    Paint(test);
    EXPECT_THAT(windowed.Log, ElementsAre("ShowAt 18,0"));
    EXPECT_THAT(drawn.Log, ElementsAre("PaintAt 38,4"));
    EXPECT_TRUE(windowed.Painted && drawn.Painted);
    test.Doc.ForPrinter = true;
    Paint(test);
    EXPECT_THAT(windowed.Log, ElementsAre("ShowAt 18,0", "PaintAt 18,0"));
}

TEST(PaintDocument, DrawsTextOnTheBaselineAndRecordsWhere) {
    TDocumentTest test;
    TSection& section = test.AddText("ab");
    test.Layout(100);
    EXPECT_THAT(Paint(test), ElementsAre(R"(TextOut 10,12 "ab" 80000012 size=12 style=0)"));
    EXPECT_EQ(section.Lines[0]->PaintedX, 10);
    EXPECT_EQ(section.Lines[0]->PaintedY, 0);
}

TEST(PaintDocument, InvertsTheSelectionExactly) {
    TDocumentTest test;
    test.AddText("abc");
    test.Layout(100);
    test.Doc.SelStart = 1;
    test.Doc.SelEnd = 2;
    EXPECT_THAT(Paint(test),
                ElementsAre(R"(TextOut 10,12 "a" 80000012 size=12 style=0)",
                            R"(TextOut 18,12 "b" 8000000F size=12 style=0 bg=80000012)",
                            R"(TextOut 26,12 "c" 80000012 size=12 style=0)"));
}

TEST(PaintDocument, ShiftsScriptRunsOffTheBaseline) {
    TDocumentTest test;
    auto section = test.MakeText("a");
    test.Style.ScriptState = ssSuperscript;
    section->StartFontRun(test.Doc, test.Doc.BaseFont(), test.Style);
    section->AppendText("b");
    test.Style.ScriptState = ssSubscript;
    section->StartFontRun(test.Doc, test.Doc.BaseFont(), test.Style);
    section->AppendText("c");
    test.Add(std::move(section));
    test.Layout(100);
    // 9-point script text: cell height 12 (a third is 4), descent 3 (half plus one is 2).
    EXPECT_THAT(Paint(test),
                ElementsAre(HasSubstr("TextOut 10,12 \"a\""), HasSubstr("TextOut 18,8 \"b\""),
                            HasSubstr("TextOut 24,14 \"c\"")));
}

TEST(PaintDocument, ClipsPreformattedTextToTheClipWidth) {
    TDocumentTest test;
    auto pre = test.Make<TPreformatted>(0, taLeftJustify, TUrlTarget{});
    pre->AppendText("p");
    test.Add(std::move(pre));
    test.Layout(100);
    EXPECT_THAT(Paint(test),
                ElementsAre(HasSubstr("\"p\" 80000012 size=12 style=0 clip=10,0,510,16")));
}

TEST(PaintDocument, DrawsOrderedMarkersRightAlignedBeforeTheEdge) {
    struct TRow {
        char Style;
        int32_t Number;
        const char* Marker;
    };
    for (TRow row : {TRow{'A', 27, "Z."}, TRow{'a', 2, "b."}, TRow{'I', 21, "XX."},
                     TRow{'i', 4, "iv."}, TRow{'1', 12, "12."}}) {
        SCOPED_TRACE(row.Marker);
        TDocumentTest test;
        auto item = std::make_unique<TOListItem>(1, TUrlTarget{}, test.Doc.BaseFont(), test.Style,
                                                 row.Style, row.Number);
        item->AppendText("x");
        test.Add(std::move(item));
        test.Layout(200);
        int32_t width = 8 * static_cast<int32_t>(std::string_view(row.Marker).size());
        std::vector<std::string> calls = Paint(test);
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_THAT(calls[0], HasSubstr("TextOut " + std::to_string(10 + 35 - 5 - width) +
                                        ",12 \"" + row.Marker));
    }
}

TEST(OrderedMarker, StaysInsideItsTablesAndSevenCharacters) {
    EXPECT_EQ(OrderedMarker('A', 0), "A.");  // START=0 numbers from 0
    EXPECT_EQ(OrderedMarker('i', 0), "i.");
    EXPECT_EQ(OrderedMarker('1', 0), "0.");
    EXPECT_EQ(OrderedMarker('1', 123456789), "1234567");
}

TEST(PaintDocument, DrawsBulletsByDepthOnALightPageAndHollowOnADarkOne) {
    struct TRow {
        const char* Name;
        TColor Page;
        const char* Ellipse;
    };
    for (TRow row : {TRow{"White", clWhite, "Ellipse 70,6,75,11 000080 fill=000080"},
                     TRow{"Black", clBlack | PaletteRelative, "Ellipse 70,6,75,11 80000012"}}) {
        SCOPED_TRACE(row.Name);
        TDocumentTest test;
        test.Doc.PageColor = row.Page;
        auto item = test.Make<TUListItem>(2, TUrlTarget{});
        item->AppendText("x");
        test.Add(std::move(item));
        test.Layout(200);
        EXPECT_EQ(Paint(test).front(), row.Ellipse);
    }
}

TEST(PaintDocument, VisitsOnlyTheBlocksInTheBand) {
    TDocumentTest test;
    for (int i = 0; i < 1000; ++i) test.AddText(std::to_string(i));
    test.Layout(100);
    test.Doc.SetScrollY(8000);
    EXPECT_THAT(Paint(test, {0, 0, 800, 40}),
                ElementsAre(HasSubstr("TextOut 10,12 \"500\""), HasSubstr("TextOut 10,28 \"501\""),
                            HasSubstr("TextOut 10,44 \"502\"")));
}

TEST(PaintDocument, EndsAPrintedPageAtTheLineThatDoesNotFit) {
    TDocumentTest test;
    test.Doc.ForPrinter = true;
    for (const char* text : {"a", "b", "c"}) test.AddText(text);
    test.Layout(100);
    EXPECT_EQ(Paint(test, {0, 0, 800, 40}).size(), 2u);
    EXPECT_EQ(test.Doc.PageCut, 32);
}

TEST(PaintDocument, EndsAPrintedPageAtAPageBreak) {
    TDocumentTest test;
    test.Doc.ForPrinter = true;
    test.AddText("a");
    test.Add(std::make_unique<TPage>());
    test.AddText("b");
    test.Layout(100);
    Paint(test, {0, 0, 800, 400});
    EXPECT_EQ(test.Doc.PageCut, 16);
}

TEST(PaintDocument, PrintsBlackOnAOneBitPrinter) {
    TDocumentTest test;
    TFixedCanvas printer(TFixedCanvas::TDepth::Monochrome);
    test.Doc.ForPrinter = true;
    test.AddText("a");
    test.Layout(100);
    test.Doc.PaintDocument(printer, Screen, 500, 0, 0);
    EXPECT_THAT(printer.Calls(), ElementsAre(HasSubstr("\"a\" 000000")));
}

TEST(PaintDocument, FillsAColouredRuleCentredInItsBlock) {
    TDocumentTest test;
    TAttributeList attributes;
    attributes.Add(ColorSy, 0, "red");
    attributes.Add(WidthSy, 50, "50%");
    test.Add(std::make_unique<THorzLine>(attributes));
    test.Layout(100);
    // Half of the 100 pixels between the edges, centred; 2 pixels thick in a 20-pixel block.
    EXPECT_THAT(Paint(test, Screen, 0), ElementsAre("FillRect 25,9,75,11 20000FF"));
}

}  // namespace
}  // namespace codelume
