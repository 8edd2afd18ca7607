#include "objects/HtmlTable.h"

#include <algorithm>
#include <numeric>

#include "base/Arith.h"
#include "document/SectionList.h"

namespace codelume {

namespace {

// Borders, padding and spacing beyond this are taken as this.
constexpr int32_t MaxFramePixels = 100;
constexpr int32_t DefaultPadding = 1;
constexpr int32_t DefaultSpacing = 2;

TAlignment TableAlign(const TAttributeList& attributes, TAlignment justification) {
    std::string text = LowerText(attributes, AlignSy, 10);
    if (text == "left") return taLeftJustify;
    if (text == "center") return taCenter;
    if (text == "right") return taRightJustify;
    return justification;
}

int32_t SumOf(const std::vector<int32_t>& values, size_t first, size_t count) {
    int32_t sum = 0;
    for (size_t i = first; i < first + count; ++i) sum = CheckedAdd(sum, values[i]);
    return sum;
}

// Width bounds are held below this, so that the widths of the most columns a
// table may have still add up within 32 bits.
constexpr int64_t MaxBoundPixels = 10000000;

int32_t ClampedPixels(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, MaxBoundPixels));
}

}  // namespace

THtmlTable::THtmlTable(TSectionList& document, int32_t level, TAlignment justification,
                       const TAttributeList& attributes)
    : Caption(document),
      Level(level),
      Border(IntAttribute(attributes, BorderSy, 0, 0, MaxFramePixels)),
      CellPadding(IntAttribute(attributes, CellPaddingSy, DefaultPadding, 0, MaxFramePixels)),
      CellSpacing(IntAttribute(attributes, CellSpacingSy, DefaultSpacing, 0, MaxFramePixels)),
      SpecWidth(LengthAttribute(attributes, WidthSy)),
      Align(TableAlign(attributes, justification)),
      BgColor(ColorAttribute(attributes, BgColorSy)),
      Background(TextAttribute(attributes, BackgroundSy)) {}

THtmlTable::THtmlTable(TSectionList& list, const THtmlTable& source)
    : TSectionBase(list, source),
      Caption(list, source.Caption),
      CaptionOnTop(source.CaptionOnTop),
      Level(source.Level),
      Border(source.Border),
      CellPadding(source.CellPadding),
      CellSpacing(source.CellSpacing),
      SpecWidth(source.SpecWidth),
      Align(source.Align),
      BgColor(source.BgColor),
      Background(source.Background) {
    for (const auto& row : source.Rows) Rows.Add(std::make_unique<TCellList>(list, *row));
}

std::unique_ptr<TSectionBase> THtmlTable::CloneFor(TSectionList& list) const {
    return std::make_unique<THtmlTable>(list, *this);
}

// Cells go left to right in every row, passing over the columns that cells of
// rows above still cover; the widest row gives the column count. Cells beyond
// the largest table allowed are left out, and the count stops just past it.
THtmlTable::TGrid THtmlTable::PlaceCells(int32_t& columns) const {
    TGrid grid;
    columns = 0;
    std::vector<int32_t> covered;  // rows each column is still covered for
    for (int rowIndex = 0; rowIndex < Rows.Count(); ++rowIndex) {
        TGridRow placed{Rows[rowIndex], {}};
        int32_t column = 0;
        for (const auto& cell : *Rows[rowIndex]) {
            while (column < static_cast<int32_t>(covered.size()) &&
                   covered[static_cast<size_t>(column)] > 0)
                ++column;
            if (column >= MaxTableColumns) {
                column = MaxTableColumns + 1;
                break;
            }
            int32_t span = std::min(cell->ColSpan, MaxTableColumns - column);
            int32_t rowSpan = std::min(cell->RowSpan, Rows.Count() - rowIndex);
            placed.Cells.push_back({cell.get(), column, span, rowSpan});
            size_t end = static_cast<size_t>(column) + static_cast<size_t>(span);
            if (covered.size() < end) covered.resize(end);
            std::fill_n(covered.begin() + column, span, rowSpan);
            column += cell->ColSpan > span ? span + 1 : span;
        }
        columns = std::max(columns, column);
        for (int32_t& rows : covered) rows = std::max(0, rows - 1);
        grid.push_back(std::move(placed));
    }
    return grid;
}

int32_t THtmlTable::CellInset() const { return CellPadding + (Border > 0 ? 1 : 0); }

int32_t THtmlTable::GridOverhead(int32_t columns) const {
    return CellSpacing * (columns + 1) + 2 * Border;
}

// A cell's bounds with its padding and border; a WIDTH it gives is the width it
// would like, never below what its content needs.
TWidthBounds THtmlTable::CellBounds(TCanvas& canvas, TCellObj& cell, int32_t contentWidth) const {
    TWidthBounds bounds;
    cell.Cell.WidthBounds(canvas, bounds.Min, bounds.Max);
    int32_t frame = 2 * CellInset();
    bounds = {ClampedPixels(int64_t{bounds.Min} + frame),
              ClampedPixels(int64_t{bounds.Max} + frame)};
    if (cell.SpecWidth && cell.SpecWidth->Value > 0) {
        int32_t wish = cell.SpecWidth->Value;
        if (cell.SpecWidth->Percent) wish = contentWidth > 0 ? MulDiv(contentWidth, wish, 100) : 0;
        if (wish > 0) bounds.Max = wish;
    }
    bounds.Max = std::max(bounds.Max, bounds.Min);
    return bounds;
}

// Single-column cells set their columns' bounds first; spanning cells then
// widen the columns they cover where those fall short.
std::vector<TWidthBounds> THtmlTable::ColumnBounds(TCanvas& canvas, const TGrid& grid,
                                                   int32_t columns, int32_t contentWidth) const {
    std::vector<TWidthBounds> bounds(static_cast<size_t>(columns));
    std::vector<std::pair<TPlacedCell, TWidthBounds>> spanning;
    for (const TGridRow& row : grid)
        for (const TPlacedCell& placed : row.Cells) {
            TWidthBounds cell = CellBounds(canvas, *placed.Cell, contentWidth);
            if (placed.Span > 1) {
                spanning.emplace_back(placed, cell);
                continue;
            }
            TWidthBounds& column = bounds[static_cast<size_t>(placed.Column)];
            column = {std::max(column.Min, cell.Min), std::max(column.Max, cell.Max)};
        }
    for (const auto& [placed, cell] : spanning)
        SpreadSpanBounds(std::span(bounds).subspan(static_cast<size_t>(placed.Column),
                                                   static_cast<size_t>(placed.Span)),
                         CellSpacing, cell);
    return bounds;
}

// A WIDTH of the table is the width it takes; without one it takes what its
// columns would like, at most the room available.
std::vector<int32_t> THtmlTable::ColumnWidths(TCanvas& canvas, const TGrid& grid, int32_t columns,
                                              int32_t available) const {
    int32_t width = available;
    TFit fit = TFit::UpToMaximum;
    if (SpecWidth && SpecWidth->Value > 0) {
        width = SpecWidth->Percent ? MulDiv(available, SpecWidth->Value, 100) : SpecWidth->Value;
        fit = TFit::FillWidth;
    }
    int32_t contentWidth = std::max(0, width - GridOverhead(columns));
    return FitColumnWidths(ColumnBounds(canvas, grid, columns, contentWidth), contentWidth, fit);
}

void THtmlTable::WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth) {
    int32_t columns = 0;
    TGrid grid = PlaceCells(columns);
    columns = std::min(columns, MaxTableColumns);
    int64_t low = 0, high = 0;
    if (columns > 0) {
        for (const TWidthBounds& column : ColumnBounds(canvas, grid, columns, 0))
            low += column.Min, high += column.Max;
        low += GridOverhead(columns), high += GridOverhead(columns);
    }
    int32_t captionMin = 0, captionMax = 0;
    Caption.WidthBounds(canvas, captionMin, captionMax);
    low = std::max<int64_t>(low, captionMin);
    high = std::max(high, low);
    if (SpecWidth && !SpecWidth->Percent && SpecWidth->Value > 0)
        low = high = std::max<int64_t>(low, SpecWidth->Value);
    int64_t indent = int64_t{Level} * 35;
    minWidth = ClampedPixels(low + indent);
    maxWidth = ClampedPixels(high + indent);
}

int32_t THtmlTable::AlignOffset(int32_t available, int32_t width) const {
    int32_t room = std::max(0, available - width);
    if (Align == taCenter) return room / 2;
    if (Align == taRightJustify) return room;
    return 0;
}

int32_t THtmlTable::LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager, int32_t& maxWidth,
                             int32_t& curs) {
    TopY = y;
    FirstIndex = curs;
    Slots.clear();
    SlotSpans.Clear();
    manager.SetNesting(y, Level);
    int32_t columns = 0;
    TGrid grid = PlaceCells(columns);
    if (columns > MaxTableColumns) throw EProcessError("Table has too many Columns");
    int32_t left = manager.LeftEdgeAt(y);
    int32_t available = std::max(0, manager.RightEdgeAt(y) - left);
    std::vector<int32_t> widths = ColumnWidths(canvas, grid, columns, available);
    TableWidth =
        columns > 0 ? CheckedAdd(SumOf(widths, 0, widths.size()), GridOverhead(columns)) : 0;
    int32_t outerWidth = TableWidth > 0 ? TableWidth : available;
    TableLeft = left - manager.LeftBase + AlignOffset(available, outerWidth);
    int32_t height = CaptionOnTop ? LayoutCaption(canvas, 0, outerWidth, curs) : 0;
    GridTop = height;
    GridHeight = LayoutGrid(canvas, GridTop, grid, widths, curs);
    height = CheckedAdd(height, GridHeight);
    if (!CaptionOnTop) height = CheckedAdd(height, LayoutCaption(canvas, height, outerWidth, curs));
    BlockHeight = PaintHeight = height;
    CharCount = curs - FirstIndex;
    IndexSlots();
    maxWidth = std::max(manager.AvailWidth, TableLeft + outerWidth);
    return BlockHeight;
}

int32_t THtmlTable::LayoutCaption(TCanvas& canvas, int32_t top, int32_t width, int32_t& curs) {
    if (Caption.Blocks.IsEmpty()) return 0;
    int32_t captionMax = 0;
    int32_t height = Caption.LayoutDocument(canvas, TopY + top, width, captionMax, curs);
    Slots.push_back({&Caption, 0, top, width, height, 0, 0, std::nullopt, true, {}});
    return height;
}

int32_t THtmlTable::LayoutGrid(TCanvas& canvas, int32_t top, const TGrid& grid,
                               const std::vector<int32_t>& widths, int32_t& curs) {
    if (widths.empty()) return 0;
    std::vector<int32_t> columnX;
    int32_t x = Border + CellSpacing;
    for (int32_t width : widths) {
        columnX.push_back(x);
        x = CheckedAdd(x, width + CellSpacing);
    }
    std::vector<TOpenCell> open;
    int32_t rowTop = top + Border + CellSpacing;
    for (const TGridRow& row : grid) {
        LayoutRow(canvas, rowTop, row, columnX, widths, curs, open);
        int32_t rowHeight = FinishRow(canvas, rowTop, open);
        rowTop = CheckedAdd(rowTop, CheckedAdd(rowHeight, CellSpacing));
    }
    return rowTop + Border - top;
}

// Every cell of the row is laid out at the row's top; it stays open until the
// last row it spans is known.
void THtmlTable::LayoutRow(TCanvas& canvas, int32_t top, const TGridRow& row,
                           const std::vector<int32_t>& columnX, const std::vector<int32_t>& widths,
                           int32_t& curs, std::vector<TOpenCell>& open) {
    int32_t inset = CellInset();
    for (const TPlacedCell& placed : row.Cells) {
        size_t column = static_cast<size_t>(placed.Column);
        int32_t width = SumOf(widths, column, static_cast<size_t>(placed.Span)) +
                        CellSpacing * (placed.Span - 1);
        int32_t cellMax = 0;
        int32_t height = placed.Cell->Cell.LayoutDocument(
            canvas, TopY + top + inset, std::max(0, width - 2 * inset), cellMax, curs);
        const TCellObj& cell = *placed.Cell;
        std::optional<TColor> color = cell.BgColor ? cell.BgColor : row.Row->BgColor;
        const std::string& picture =
            cell.Background.empty() ? row.Row->Background : cell.Background;
        Slots.push_back({&placed.Cell->Cell, columnX[column], top, width, height, inset, 0, color,
                         false, picture});
        open.push_back({Slots.size() - 1, placed.RowSpan - 1, placed.Cell->VAlign});
    }
}

// The row is as tall as its cells that end in it need, after the rows above
// that they span; those cells then take their full height and align in it.
int32_t THtmlTable::FinishRow(TCanvas& canvas, int32_t top, std::vector<TOpenCell>& open) {
    int32_t rowHeight = 0;
    for (const TOpenCell& cell : open)
        if (cell.RowsLeft == 0) {
            const TCellSlot& slot = Slots[cell.Slot];
            rowHeight =
                std::max(rowHeight, CheckedAdd(slot.Height, 2 * slot.Inset) - (top - slot.Y));
        }
    for (const TOpenCell& cell : open)
        if (cell.RowsLeft == 0)
            AlignInRow(canvas, top + rowHeight - Slots[cell.Slot].Y, cell.VAlign, Slots[cell.Slot]);
    std::erase_if(open, [](const TOpenCell& cell) { return cell.RowsLeft == 0; });
    for (TOpenCell& cell : open) --cell.RowsLeft;
    return rowHeight;
}

// A cell whose content moves down is laid out again where it shows, so that
// its blocks know their place.
void THtmlTable::AlignInRow(TCanvas& canvas, int32_t height, TCellVAlign vAlign, TCellSlot& slot) {
    int32_t room = height - 2 * slot.Inset - slot.Height;
    slot.VOffset = room * vAlign / 2;
    slot.Height = height;
    if (slot.VOffset == 0) return;
    TCell& cell = *slot.Cell;
    int32_t cellCurs = cell.FirstIndex, cellMax = 0;
    int32_t width = std::max(0, slot.Width - 2 * slot.Inset);
    cell.LayoutDocument(canvas, TopY + slot.Y + slot.Inset + slot.VOffset, width, cellMax,
                        cellCurs);
}

}  // namespace codelume
