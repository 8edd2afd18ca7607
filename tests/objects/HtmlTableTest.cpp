#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Attributes.h"
#include "base/Format.h"
#include "canvas/FixedCanvas.h"
#include "document/SectionList.h"
#include "objects/HtmlTable.h"
#include "support/CountingCanvas.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;

// 12-point text on the fixed canvas: 16 pixels high, 8 pixels a byte.
class HtmlTableTest : public ::testing::Test {
protected:
    std::unique_ptr<TCellObj> TextCell(const std::string& text,
                                       const TAttributeList& attributes = {},
                                       int32_t vAlign = cvMiddle) {
        auto cell = std::make_unique<TCellObj>(Document, attributes, vAlign);
        TRunStyle style;
        auto section =
            std::make_unique<TSection>(0, taLeftJustify, TUrlTarget{}, Document.BaseFont(), style);
        section->AppendText(text);
        cell->Cell.AddSection(std::move(section));
        return cell;
    }

    THtmlTable& AddTable(const TAttributeList& attributes,
                         std::vector<std::vector<std::string>> rows,
                         TAlignment justification = taLeftJustify) {
        auto table = std::make_unique<THtmlTable>(Document, 0, justification, attributes);
        for (const auto& texts : rows) {
            auto row = std::make_unique<TCellList>();
            for (const std::string& text : texts) row->Add(TextCell(text));
            table->AddRow(std::move(row));
        }
        THtmlTable& added = *table;
        Document.AddSection(std::move(table));
        return added;
    }

    // | aa bb cc | b |
    // |          | c |  the first cell spans both rows; no padding, no spacing
    THtmlTable& AddSpanningTable() {
        THtmlTable& table = AddTable(Attributes({{CellPaddingSy, "0"}, {CellSpacingSy, "0"}}), {});
        auto first = std::make_unique<TCellList>();
        first->Add(TextCell("aa bb cc", Attributes({{RowSpanSy, "2"}})));
        first->Add(TextCell("b"));
        auto second = std::make_unique<TCellList>();
        second->Add(TextCell("c"));
        table.AddRow(std::move(first));
        table.AddRow(std::move(second));
        return table;
    }

    int32_t Layout(int32_t width) {
        int32_t contentWidth = 0, curs = 0;
        return Document.LayoutDocument(Canvas, 0, width, contentWidth, curs);
    }

    static std::vector<int32_t> SlotXs(const THtmlTable& table) {
        std::vector<int32_t> xs;
        for (const TCellSlot& slot : table.Slots) xs.push_back(slot.X);
        return xs;
    }

    TFixedCanvas Canvas;
    TSectionList Document;
};

TEST_F(HtmlTableTest, BorderPaddingAndSpacingFrameTheCells) {
    THtmlTable& table =
        AddTable(Attributes({{BorderSy, "1"}, {CellPaddingSy, "2"}, {CellSpacingSy, "3"}}),
                 {{"ab", "cdef"}});
    EXPECT_EQ(Layout(600), 30);  // 1 + 3 + (16 + 2 * 3) + 3 + 1
    // Cells of 16 and 32 pixels of text, each with 2 of padding and 1 of border per side.
    EXPECT_EQ(table.TableWidth, 1 + 3 + 22 + 3 + 38 + 3 + 1);
    EXPECT_THAT(SlotXs(table), ElementsAre(4, 29));
    EXPECT_EQ(table.Slots[0].Y, 4);
    EXPECT_EQ(table.Slots[1].Height, 22);
}

TEST_F(HtmlTableTest, NarrowRoomWrapsTheCellThatWantsMoreAndRowsTakeTheTallestCell) {
    THtmlTable& table =
        AddTable(Attributes({{CellPaddingSy, "0"}, {CellSpacingSy, "0"}}), {{"aa bb", "cccc"}});
    // Minima 16 and 32, maxima 40 and 32: the 12 pixels beyond the minima go to the first.
    EXPECT_EQ(Layout(60), 32);
    EXPECT_EQ(table.Slots[1].X, 28);
    EXPECT_EQ(table.Slots[0].VOffset, 0);
    EXPECT_EQ(table.Slots[1].VOffset, 8);  // middle of a 32-pixel row
}

TEST_F(HtmlTableTest, WidthInPercentOfTheRoomIsFilled) {
    THtmlTable& table =
        AddTable(Attributes({{WidthSy, "50%"}, {CellSpacingSy, "0"}}), {{"a", "b"}});
    Layout(400);
    EXPECT_EQ(table.TableWidth, 200);
    EXPECT_THAT(SlotXs(table), ElementsAre(0, 100));
}

TEST_F(HtmlTableTest, CentredTableStandsInTheMiddleOfTheRoom) {
    THtmlTable& table =
        AddTable(Attributes({{CellSpacingSy, "0"}, {CellPaddingSy, "0"}}), {{"abcd"}}, taCenter);
    Layout(100);
    EXPECT_EQ(table.TableLeft, 34);
}

TEST_F(HtmlTableTest, ColumnsComeFromTheWidestRowAndSpansShareTheirWidth) {
    THtmlTable& table =
        AddTable(Attributes({{CellSpacingSy, "0"}, {CellPaddingSy, "0"}}), {{"a", "b"}});
    auto row = std::make_unique<TCellList>();
    row->Add(TextCell("aaaaaaaaaa", Attributes({{ColSpanSy, "2"}})));
    table.AddRow(std::move(row));
    Layout(600);
    EXPECT_EQ(table.TableWidth, 80);
    EXPECT_THAT(SlotXs(table), ElementsAre(0, 40, 0));
    EXPECT_EQ(table.Slots[2].Width, 80);
}

TEST_F(HtmlTableTest, MoreThanTwoHundredColumnsDropTheTableFromTheLayout) {
    AddTable({}, {std::vector<std::string>(201, "x")});
    std::string reported;
    Document.OnLayoutError = [&](const std::string& message) { reported = message; };
    Layout(600);
    EXPECT_EQ(reported, "Table has too many Columns");
    EXPECT_EQ(Document.Blocks.Count(), 0);
}

TEST_F(HtmlTableTest, LayoutRecordsItsTopAndReturnsItsHeight) {
    TRunStyle style;
    auto text =
        std::make_unique<TSection>(0, taLeftJustify, TUrlTarget{}, Document.BaseFont(), style);
    text->AppendText("a");
    Document.AddSection(std::move(text));
    THtmlTable& table = AddTable(Attributes({{BorderSy, "1"}}), {{"ab"}});
    int32_t height = Layout(600);
    EXPECT_EQ(table.TopY, 16);
    EXPECT_EQ(height, 16 + table.BlockHeight);
    int32_t maxWidth = 0, curs = 0;
    EXPECT_EQ(table.LayoutAt(Canvas, 40, Document.Manager, maxWidth, curs), table.BlockHeight);
    EXPECT_EQ(table.TopY, 40);
}

TEST_F(HtmlTableTest, CaptionGoesAboveOrBelowTheGrid) {
    THtmlTable& table = AddTable(Attributes({{CellSpacingSy, "0"}, {CellPaddingSy, "0"}}), {{"a"}});
    TRunStyle style;
    auto caption =
        std::make_unique<TSection>(0, taCenter, TUrlTarget{}, Document.BaseFont(), style);
    caption->AppendText("cap");
    table.Caption.AddSection(std::move(caption));
    EXPECT_EQ(Layout(600), 32);
    EXPECT_TRUE(table.Slots[0].IsCaption);
    EXPECT_EQ(table.Slots[1].Y, 16);
    table.CaptionOnTop = false;
    Layout(600);
    EXPECT_TRUE(table.Slots[1].IsCaption);
    EXPECT_EQ(table.Slots[1].Y, 16);
    EXPECT_EQ(table.Slots[1].Width, 8);  // as wide as the grid
}

TEST_F(HtmlTableTest, WidthBoundsAddTheFrameAndAPixelWidthFixesThem) {
    THtmlTable& table = AddTable(Attributes({{BorderSy, "2"}}), {{"aa bb", "c"}});
    int32_t minWidth = 0, maxWidth = 0;
    table.WidthBounds(Canvas, minWidth, maxWidth);
    // Insets of 1 + 1, spacing 2 three times, border 2 twice.
    EXPECT_EQ(minWidth, 16 + 4 + 8 + 4 + 6 + 4);
    EXPECT_EQ(maxWidth, 40 + 4 + 8 + 4 + 6 + 4);
    table.SpecWidth = TLength{300, false};
    table.WidthBounds(Canvas, minWidth, maxWidth);
    EXPECT_EQ(minWidth, 300);
    EXPECT_EQ(maxWidth, 300);
}

TEST_F(HtmlTableTest, CopyForPrintingKeepsRowsCaptionAndSettings) {
    AddTable(Attributes({{BorderSy, "1"}, {CellPaddingSy, "4"}}), {{"a", "b"}, {"c"}});
    TSectionList copy(Document);
    auto* table = dynamic_cast<THtmlTable*>(copy.Blocks[0]);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Rows.Count(), 2);
    EXPECT_EQ(table->CellPadding, 4);
    EXPECT_EQ(&table->Rows[0]->Last()->Cell.Document, &copy);
}

TEST_F(HtmlTableTest, AlignedCellsAreLaidOutWhereTheyShow) {
    THtmlTable& table =
        AddTable(Attributes({{CellPaddingSy, "0"}, {CellSpacingSy, "0"}}), {{"aa bb", "c"}});
    (*table.Rows[0])[1]->VAlign = cvBottom;
    Layout(30);  // 6 pixels beyond the minima go to the first column, which wraps
    EXPECT_EQ(table.Slots[1].VOffset, 16);
    EXPECT_EQ(table.Slots[1].Cell->Blocks[0]->TopY, 16);
    TPoint caret;
    ASSERT_TRUE(table.CaretPoint(Canvas, table.Slots[1].Cell->FirstIndex, caret));
    EXPECT_EQ(caret, (TPoint{22, 16}));  // the second column starts after 16 + 6
}

TEST_F(HtmlTableTest, PaintsTheFrameAndTheCellsAndFindsTheCellUnderAPoint) {
    THtmlTable& table = AddTable(
        Attributes({{BorderSy, "1"}, {CellPaddingSy, "0"}, {CellSpacingSy, "0"}}), {{"ab", "c"}});
    Layout(600);
    Document.PaintDocument(Canvas, {0, 0, 600, 400}, 600, 10, 0);
    const std::vector<std::string>& calls = Canvas.Calls();
    // The raised outer frame is 1 + 18 + 10 + 1 pixels wide and 1 + 18 + 1 high.
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0], "FillRect 10,0,40,1 " + Format("%06X", clBtnHighlight));
    EXPECT_NE(std::find_if(calls.begin(), calls.end(),
                           [](const std::string& c) { return c.starts_with("TextOut 12,"); }),
              calls.end());
    TCharHit hit = table.CharIndexAt(Canvas, 31, 5);
    EXPECT_EQ(hit.Index, table.Slots[1].Cell->FirstIndex);
    EXPECT_EQ(hit.LineTop, 2);
    EXPECT_EQ(table.CharIndexAt(Canvas, 5, 5).Index, -1);  // left of the table
}

// A band of a long bordered table draws what the band shows: a table ten
// times as long gives the same calls for the same band, but for the length of
// the four edges of its outer frame.
TEST_F(HtmlTableTest, ABandOfALongTableDrawsOnlyTheCellsItShows) {
    constexpr size_t OuterFrameCalls = 4;
    std::vector<std::vector<std::string>> calls;
    for (int rowCount : {10, 100}) {
        Document.ClearDocument();
        std::vector<std::vector<std::string>> rows(static_cast<size_t>(rowCount), {"ab", "c"});
        AddTable(Attributes({{BorderSy, "1"}}), rows);
        Layout(600);
        Canvas.ClearCalls();
        Document.PaintDocument(Canvas, {0, 40, 600, 80}, 600, 10, 0);
        calls.push_back(Canvas.Calls());
    }
    ASSERT_EQ(calls[0].size(), calls[1].size());
    ASSERT_GT(calls[0].size(), OuterFrameCalls);
    calls[0].erase(calls[0].begin(), calls[0].begin() + OuterFrameCalls);
    calls[1].erase(calls[1].begin(), calls[1].begin() + OuterFrameCalls);
    EXPECT_EQ(calls[0], calls[1]);
}

TEST_F(HtmlTableTest, RowSpansCoverTheColumnsBelowAndStretchTheirLastRow) {
    THtmlTable& table = AddSpanningTable();
    EXPECT_EQ(Layout(24), 48);  // the spanning cell wraps to three lines
    ASSERT_EQ(table.Slots.size(), 3u);
    EXPECT_EQ(table.Slots[0].Height, 48);
    EXPECT_EQ(table.Slots[1].Height, 16);
    EXPECT_EQ((TPoint{table.Slots[2].X, table.Slots[2].Y}), (TPoint{16, 16}));
    EXPECT_EQ(table.Slots[2].Height, 32);
    EXPECT_EQ(table.Slots[2].VOffset, 8);
}

// A cell spanning rows reaches below the cells after it: a band or a point
// in its last row still finds it.
TEST_F(HtmlTableTest, ACellSpanningRowsIsFoundBelowItsFirstRow) {
    THtmlTable& table = AddSpanningTable();
    Layout(24);  // "cc", the spanning cell's third line, stands at 32 to 48
    Document.PaintDocument(Canvas, {0, 40, 600, 48}, 600, 10, 0);
    std::vector<std::string> texts;
    for (const std::string& call : Canvas.Calls())
        if (call.starts_with("TextOut")) texts.push_back(call.substr(0, call.find(" 8")));
    EXPECT_THAT(texts, ElementsAre("TextOut 10,44 \"cc\""));
    TCharHit hit = table.CharIndexAt(Canvas, 11, 44);
    EXPECT_EQ(hit.Index, table.Slots[0].Cell->FirstIndex + 6);
    EXPECT_EQ(hit.LineTop, 32);
}

// Tables nested depth deep, each cell holding a word and the next table.
std::unique_ptr<THtmlTable> NestedTables(TSectionList& document, int depth) {
    std::unique_ptr<THtmlTable> inner;
    for (int level = depth - 1; level >= 0; --level) {
        auto cell = std::make_unique<TCellObj>(document, TAttributeList{}, cvMiddle);
        TRunStyle style;
        auto section =
            std::make_unique<TSection>(0, taLeftJustify, TUrlTarget{}, document.BaseFont(), style);
        section->AppendText("word");
        cell->Cell.AddSection(std::move(section));
        if (inner) cell->Cell.AddSection(std::move(inner));
        auto row = std::make_unique<TCellList>();
        row->Add(std::move(cell));
        inner = std::make_unique<THtmlTable>(document, level, taLeftJustify, TAttributeList{});
        inner->AddRow(std::move(row));
    }
    return inner;
}

// Each table of a nest is measured once a layout, however deep it lies: the
// text measured grows with the tables, not with their square.
TEST_F(HtmlTableTest, ANestOfTablesIsMeasuredInTimeLinearInItsDepth) {
    std::vector<int64_t> measured;
    for (int depth : {40, 80}) {
        TSectionList document;
        document.AddSection(NestedTables(document, depth));
        TCountingCanvas canvas;
        int32_t contentWidth = 0, curs = 0;
        document.LayoutDocument(canvas, 0, 100000, contentWidth, curs);
        measured.push_back(canvas.Measurements);
    }
    EXPECT_LE(measured[1], 5 * measured[0] / 2) << measured[0] << " then " << measured[1];
}

TEST_F(HtmlTableTest, CellsCountTheirCharactersInReadingOrder) {
    THtmlTable& table = AddTable(Attributes({{CellSpacingSy, "0"}}), {{"ab", "cd"}, {"ef"}});
    Layout(600);
    EXPECT_EQ(table.CharCount, 6);
    char ch = 0;
    TSectionBase* block = nullptr;
    ASSERT_TRUE(table.CharAt(4, ch, block));
    EXPECT_EQ(ch, 'e');
    EXPECT_EQ(table.SearchText(0, "cd", TCaseSense::Match), 2);
    Document.SelStart = 1;
    Document.SelEnd = 5;
    EXPECT_EQ(Document.SelectedText(), "b\r\ncd\r\ne");
}

}  // namespace
}  // namespace codelume
