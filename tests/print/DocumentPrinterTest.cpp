#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "canvas/FixedCanvas.h"
#include "document/GapBlocks.h"
#include "document/Section.h"
#include "print/DocumentPrinter.h"
#include "print/FakePrintDevice.h"
#include "print/PagePrinter.h"

namespace codelume {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

using TPageTexts = std::vector<std::vector<std::string>>;

// Printer pixels are screen pixels here, and the 2 cm margins are 75 pixels:
// the text area is 150 pixels wide and 100 high, six 16-pixel lines.
class PrintDocumentTest : public ::testing::Test {
protected:
    PrintDocumentTest() {
        Device.Dpi = TSize{96, 96};
        Device.Printable = TSize{300, 250};
        Device.Paper = Device.Printable;
    }

    void AddLine(const std::string& text, int32_t points = 12) {
        TRunStyle style;
        TMyFont font = Document.BaseFont();
        font.Size = points;
        auto block = std::make_unique<TPreformatted>(0, taLeftJustify, TUrlTarget{}, font, style);
        block->AppendText(text);
        Document.AddSection(std::move(block));
    }
    void AddLines(int count) {
        for (int i = 0; i < count; ++i) AddLine("line" + std::to_string(i));
    }
    void Print(int32_t firstPage, int32_t lastPage) {
        PrintDocument(Document, Settings, Device, firstPage, lastPage, PageCounter);
    }
    // Every text drawn, as "x text", page by page.
    TPageTexts PrintedLines() const {
        TPageTexts pages;
        for (const auto& draws : Device.PageDraws) {
            pages.emplace_back();
            for (const std::string& call : draws) {
                if (!call.starts_with("TextOut ")) continue;
                size_t open = call.find('"');
                pages.back().push_back(call.substr(8, call.find(',') - 8) + " " +
                                       call.substr(open + 1, call.find('"', open + 1) - open - 1));
            }
        }
        return pages;
    }
    // The texts drawn at the text area's left edge, page by page.
    TPageTexts PageTexts() const {
        TPageTexts pages = PrintedLines();
        for (auto& page : pages) {
            std::erase_if(page, [](const std::string& line) { return !line.starts_with("75 "); });
            for (std::string& line : page) line.erase(0, 3);
        }
        return pages;
    }

    TFakePrintDevice Device;
    TSectionList Document;
    TPrintSettings Settings;
    int32_t PageCounter = -1;
};

TEST_F(PrintDocumentTest, CutsPagesBetweenLines) {
    AddLines(14);
    Print(1, 9999);
    EXPECT_THAT(PageTexts(),
                ElementsAre(ElementsAre("line0", "line1", "line2", "line3", "line4", "line5"),
                            ElementsAre("line6", "line7", "line8", "line9", "line10", "line11"),
                            ElementsAre("line12", "line13")));
    EXPECT_THAT(Device.Calls, ElementsAre("StartDoc ", "StartPage", "EndPage", "StartPage",
                                          "EndPage", "StartPage", "EndPage", "EndDoc"));
    EXPECT_EQ(PageCounter, 4);
    // The second page's top, 96, falls on the top margin's edge at 75.
    EXPECT_THAT(Device.PageDraws[1],
                testing::IsSupersetOf(
                    {"SetMapping 1 1,1 0,0", "SetClip 75,75,225,175", "SetMapping 96 96,96 0,21"}));
}

TEST_F(PrintDocumentTest, CutsALineTallerThanThePageAtTheBand) {
    AddLine("T", 96);  // 128 pixels
    AddLine("after");
    Print(1, 9999);
    EXPECT_THAT(PageTexts(), ElementsAre(ElementsAre("T"), ElementsAre("T", "after")));
}

// 18 characters fill the 150-pixel line; continuation lines are indented by
// two characters and hold 16.
TEST_F(PrintDocumentTest, APreformattedLineWiderThanThePaperGoesOnBelow) {
    AddLine("abcdefghijklmnopqrstuvwxyz0123456789");
    Print(1, 9999);
    EXPECT_THAT(PrintedLines(),
                ElementsAre(ElementsAre("75 abcdefghijklmnopqr", "91 stuvwxyz01234567", "91 89")));
    // Each continuation is marked in its indent, with lines rather than text.
    int marks = 0;
    for (const std::string& call : Device.PageDraws[0]) {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (std::sscanf(call.c_str(), "Line %d,%d %d,%d", &x1, &y1, &x2, &y2) != 4) continue;
        ++marks;
        EXPECT_THAT(std::min(x1, x2), testing::Ge(75)) << call;
        EXPECT_THAT(std::max(x1, x2), testing::Lt(91)) << call;
    }
    EXPECT_EQ(marks, 8);
    // The screen keeps the line whole.
    TFixedCanvas screen;
    int32_t width = 0, curs = 0;
    Document.LayoutDocument(screen, 0, 150, width, curs);
    EXPECT_EQ(static_cast<TSection&>(*Document.Blocks[0]).Lines.Count(), 1);
    EXPECT_EQ(width, 36 * 8);
}

TEST_F(PrintDocumentTest, WrappedLinesAreCutBetweenPagesLikeOthers) {
    std::string text;
    for (int i = 0; i < 130; ++i) text += static_cast<char>('a' + i % 26);
    AddLine(text);
    Print(1, 9999);
    TPageTexts pages = PrintedLines();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 6u);
    EXPECT_EQ(pages[1].size(), 2u);
    std::string printed;
    for (const auto& page : pages)
        for (const std::string& line : page) printed += line.substr(3);
    EXPECT_EQ(printed, text);
}

TEST_F(PrintDocumentTest, AWrappedLineNeverBreaksInsideAUtf8Sequence) {
    const std::string rows[] = {
        std::string(17, 'a') + "\xC3\xA9" + std::string(20, 'b'),
        std::string(16, 'a') + "\xE2\x82\xAC\xE2\x82\xAC" + std::string(20, 'b'),
        std::string(17, 'a') + "\xF0\x9F\x98\x80" + std::string(30, 'b'),
        "\xE2\x82\xAC" + std::string(40, '\xE9'),
    };
    for (const std::string& text : rows) {
        SCOPED_TRACE(text);
        Document.ClearDocument();
        Device.PageDraws.clear();
        AddLine(text);
        Print(1, 9999);
        TPageTexts pages = PrintedLines();
        ASSERT_EQ(pages.size(), 1u);
        std::string printed;
        for (const std::string& line : pages[0]) {
            std::string piece = line.substr(3);
            EXPECT_NE(static_cast<uint8_t>(piece[0]) & 0xC0, 0x80) << piece;
            printed += piece;
        }
        EXPECT_EQ(printed, text);
    }
}

// A block that takes 300 pixels whatever the width it is given.
class TWideBlock : public TSectionBase {
public:
    TWideBlock() { BlockHeight = 20; }
    TWideBlock(TSectionList& list, const TWideBlock& source) : TSectionBase(list, source) {}
    TBlockKind Kind() const override { return TBlockKind::Table; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override {
        return std::make_unique<TWideBlock>(list, *this);
    }
    int32_t LayoutAt(TCanvas&, int32_t, IndentManager&, int32_t& maxWidth, int32_t&) override {
        maxWidth = 300;
        PaintHeight = BlockHeight;
        return BlockHeight;
    }
    int32_t PaintAt(TCanvas& canvas, const TRect&, IndentManager&, int32_t x, int32_t y) override {
        canvas.FillRect(TRect{x, y, x + 300, y + BlockHeight}, clBlack);
        return y + BlockHeight;
    }
};

TEST_F(PrintDocumentTest, APageWiderThanThePaperIsPrintedSmaller) {
    Document.AddSection(std::make_unique<TWideBlock>());
    AddLine("after");
    Print(1, 9999);
    // At 192 screen pixels to the inch the 300 pixels fill the 150 printer
    // pixels between the margins, which now start at screen pixel 150.
    EXPECT_THAT(Device.PageDraws[0],
                testing::IsSupersetOf({"SetClip 75,75,225,175", "SetMapping 192 96,96 0,-150",
                                       "FillRect 150,0,450,20 000000"}));
    EXPECT_THAT(PrintedLines(), ElementsAre(ElementsAre("150 after")));
}

TEST_F(PrintDocumentTest, APageBreakBelowThePageTopEndsThePage) {
    Document.AddSection(std::make_unique<TPage>());  // at the top: no empty page
    AddLines(2);
    Document.AddSection(std::make_unique<TPage>());
    AddLine("next");
    Print(1, 9999);
    EXPECT_THAT(PageTexts(), ElementsAre(ElementsAre("line0", "line1"), ElementsAre("next")));
}

// A block 250 pixels high that puts the page cut back at the page top, as a
// block that cannot be split across pages might.
class TStuckBlock : public TSectionBase {
public:
    TStuckBlock() { BlockHeight = 250; }
    TStuckBlock(TSectionList& list, const TStuckBlock& source) : TSectionBase(list, source) {}
    TBlockKind Kind() const override { return TBlockKind::Table; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override {
        return std::make_unique<TStuckBlock>(list, *this);
    }
    int32_t PaintAt(TCanvas&, const TRect& rect, IndentManager&, int32_t, int32_t y) override {
        Owner->PageCut = rect.Top;
        return y + BlockHeight;
    }
};

TEST_F(PrintDocumentTest, ACutThatDoesNotMoveDownAdvancesByTheBand) {
    Document.AddSection(std::make_unique<TStuckBlock>());
    Print(1, 9999);
    EXPECT_EQ(Device.PageDraws.size(), 3u);
}

struct TRangeCase {
    const char* Name;
    int32_t FirstPage, LastPage;
    std::vector<std::string> Calls;
    size_t FirstLine;  // on the first printed page
};

class PrintRange : public PrintDocumentTest, public ::testing::WithParamInterface<TRangeCase> {};

TEST_P(PrintRange, PrintsOnlyThePagesAsked) {
    AddLines(25);  // five pages
    Print(GetParam().FirstPage, GetParam().LastPage);
    EXPECT_EQ(Device.Calls, GetParam().Calls);
    if (GetParam().Calls.back() == "EndDoc") {
        EXPECT_EQ(PageTexts()[0][0], "line" + std::to_string(GetParam().FirstLine));
    }
}

const std::vector<std::string> TwoPages{"StartDoc ", "StartPage", "EndPage",
                                        "StartPage", "EndPage",   "EndDoc"};
const std::vector<std::string> Cancelled{"StartDoc ", "StartPage", "AbortDoc", "EndPage"};

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintRange,
    ::testing::Values(TRangeCase{"SecondAndThird", 2, 3, TwoPages, 6},
                      TRangeCase{
                          "OnlyTheLast", 5, 5, {"StartDoc ", "StartPage", "EndPage", "EndDoc"}, 24},
                      TRangeCase{"OneBeyondTheEnd", 6, 9999, Cancelled, 0},
                      TRangeCase{"EmptyRange", 3, 2, Cancelled, 0}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST_F(PrintDocumentTest, AnEmptyDocumentOpensNoJob) {
    Print(1, 9999);
    EXPECT_THAT(Device.Calls, IsEmpty());
    EXPECT_EQ(PageCounter, 0);
}

TEST_F(PrintDocumentTest, OffersTheMarginsAndStopsWhenACallbackSaysSo) {
    AddLines(25);
    std::vector<std::string> offered;
    Settings.OnPrintHeader = [&](TCanvas&, int32_t page, int32_t w, int32_t h, bool& stop) {
        offered.push_back("header " + std::to_string(page) + " " + std::to_string(w) + "x" +
                          std::to_string(h));
        stop = page == 2;
    };
    Settings.OnPrintFooter = [&](TCanvas& canvas, int32_t page, int32_t w, int32_t h, bool&) {
        offered.push_back("footer " + std::to_string(page) + " " + std::to_string(w) + "x" +
                          std::to_string(h));
        canvas.FillRect(TRect{0, 0, w, h}, clBlack);
    };
    Print(1, 9999);
    EXPECT_THAT(offered, ElementsAre("header 1 300x75", "footer 1 300x75", "header 2 300x75",
                                     "footer 2 300x75"));
    EXPECT_THAT(Device.Calls,
                ElementsAre("StartDoc ", "StartPage", "EndPage", "StartPage", "EndPage", "EndDoc"));
    // Below the cut at 96 and the top margin are blanked; the footer draws from its own origin.
    EXPECT_THAT(Device.PageDraws[0],
                testing::IsSupersetOf(
                    {"ResetClip", "FillRect 75,96,225,100 FFFFFF", "FillRect 75,-75,225,-1 FFFFFF",
                     "SetMapping 96 96,96 0,-175", "FillRect 0,0,300,75 000000"}));
}

TEST_F(PrintDocumentTest, PrintsAColouredPageOnWhite) {
    TRunStyle style;
    auto item = std::make_unique<TUListItem>(2, TUrlTarget{}, Document.BaseFont(), style);
    item->AppendText("item");
    Document.AddSection(std::move(item));
    Document.SetPageColor(clNavy | PaletteRelative);
    bool notified = false;
    Document.OnPageColor = [&](TColor) { notified = true; };
    Print(1, 9999);
    // On a white page the bullet at depth 2 is a maroon disc, not a hollow circle.
    EXPECT_THAT(Device.PageDraws[0], Contains(testing::AllOf(testing::StartsWith("Ellipse"),
                                                             testing::EndsWith("fill=000080"))));
    EXPECT_EQ(Document.PageColor, clNavy | PaletteRelative);
    EXPECT_FALSE(notified);
}

TEST_F(PrintDocumentTest, AFailingCallbackEndsTheJobAndRestoresThePrinter) {
    AddLines(1);
    TPagePrinter* previous = &CurrentPrinter();
    Settings.OnPrintHeader = [](TCanvas&, int32_t, int32_t, int32_t, bool&) {
        throw ECodelumeError("no header");
    };
    EXPECT_THAT([&] { Print(1, 9999); }, ThrowsMessage<ECodelumeError>(StrEq("no header")));
    EXPECT_THAT(Device.Calls, ElementsAre("StartDoc ", "StartPage", "AbortDoc", "EndPage"));
    EXPECT_EQ(&CurrentPrinter(), previous);
}

}  // namespace
}  // namespace codelume
