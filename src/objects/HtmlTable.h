// A table block: rows of cells on a plain grid with an optional caption. The
// table owns its rows and its caption cell; each cell lays its own blocks out.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/FreeList.h"
#include "document/Attributes.h"
#include "document/Cell.h"
#include "document/ReachIndex.h"
#include "document/Section.h"
#include "document/SectionBase.h"
#include "objects/CellObj.h"
#include "objects/ColumnWidths.h"

namespace codelume {

constexpr int32_t MaxTableColumns = 200;

// Where a cell ended up at the last layout, relative to the table's top left.
struct TCellSlot {
    TCell* Cell = nullptr;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;  // outer size: content, padding and the cell's border
    int32_t Height = 0;
    int32_t Inset = 0;    // padding plus border: content starts this far inside
    int32_t VOffset = 0;  // content moved down by vertical alignment
    std::optional<TColor> BgColor;
    bool IsCaption = false;
    std::string Background;  // the picture behind the cell, none when empty
};

class THtmlTable : public TSectionBase {
public:
    // level is the nesting depth of the list the table stands in; justification
    // places the table unless its ALIGN does. Reads BORDER, CELLPADDING,
    // CELLSPACING, WIDTH, ALIGN, BGCOLOR and BACKGROUND.
    THtmlTable(TSectionList& document, int32_t level, TAlignment justification,
               const TAttributeList& attributes);
    THtmlTable(TSectionList& list, const THtmlTable& source);

    TFreeList<TCellList> Rows;
    TCell Caption;
    bool CaptionOnTop = true;
    int32_t Level;
    int32_t Border;
    int32_t CellPadding;
    int32_t CellSpacing;
    std::optional<TLength> SpecWidth;
    TAlignment Align;
    std::optional<TColor> BgColor;
    std::string Background;

    // Results of the last layout.
    int32_t TableLeft = 0;  // from the cell's left base
    int32_t TableWidth = 0;
    std::vector<TCellSlot> Slots;  // in character order: caption on top, rows, caption below

    void AddRow(std::unique_ptr<TCellList> row) { Rows.Add(std::move(row)); }

    TBlockKind Kind() const override { return TBlockKind::Table; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;
    void EmitSelectedText() override;
    int32_t LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager, int32_t& maxWidth,
                     int32_t& curs) override;
    int32_t PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                    int32_t y) override;
    bool LinkAt(TCanvas& canvas, int32_t x, int32_t y, TLinkHit& hit) override;
    bool ImageAt(int32_t x, int32_t y, TImageHit& hit) override;
    TCharHit CharIndexAt(TCanvas& canvas, int32_t x, int32_t y) override;
    int32_t SearchText(int32_t from, std::string_view text, TCaseSense sense) override;
    bool CaretPoint(TCanvas& canvas, int32_t index, TPoint& point) override;
    bool CharAt(int32_t index, char& ch, TSectionBase*& block) override;
    bool Holds(const TSectionBase* block) const override;
    void RefreshFonts() override;
    void RecomputeSpacing() override;
    void WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth) override;

private:
    struct TPlacedCell {
        TCellObj* Cell;
        int32_t Column;
        int32_t Span;
        int32_t RowSpan;  // at most the rows that follow
    };
    // A laid-out cell whose height is not settled until its last row is.
    struct TOpenCell {
        size_t Slot;
        int32_t RowsLeft;
        TCellVAlign VAlign;
    };
    struct TGridRow {
        const TCellList* Row;
        std::vector<TPlacedCell> Cells;
    };
    using TGrid = std::vector<TGridRow>;

    TGrid PlaceCells(int32_t& columns) const;
    int32_t CellInset() const;
    int32_t GridOverhead(int32_t columns) const;
    std::vector<TWidthBounds> ColumnBounds(TCanvas& canvas, const TGrid& grid, int32_t columns,
                                           int32_t contentWidth) const;
    TWidthBounds CellBounds(TCanvas& canvas, TCellObj& cell, int32_t contentWidth) const;
    std::vector<int32_t> ColumnWidths(TCanvas& canvas, const TGrid& grid, int32_t columns,
                                      int32_t available) const;
    int32_t AlignOffset(int32_t available, int32_t width) const;
    int32_t LayoutCaption(TCanvas& canvas, int32_t top, int32_t width, int32_t& curs);
    int32_t LayoutGrid(TCanvas& canvas, int32_t top, const TGrid& grid,
                       const std::vector<int32_t>& widths, int32_t& curs);
    void LayoutRow(TCanvas& canvas, int32_t top, const TGridRow& row,
                   const std::vector<int32_t>& columnX, const std::vector<int32_t>& widths,
                   int32_t& curs, std::vector<TOpenCell>& open);
    int32_t FinishRow(TCanvas& canvas, int32_t top, std::vector<TOpenCell>& open);
    void AlignInRow(TCanvas& canvas, int32_t height, TCellVAlign vAlign, TCellSlot& slot);
    void IndexSlots();
    // The slots that may meet the band from top to bottom (relative to the
    // table's top); some before the band's end may still end above it.
    std::span<const TCellSlot> SlotsNear(int64_t top, int64_t bottom) const;
    bool SlotMeetsBand(const TCellSlot& slot, const TRect& rect, int32_t screenTop) const;
    void PaintBackground(TCanvas& canvas, const TRect& area, std::optional<TColor> color,
                         const std::string& picture);
    void PaintBorders(TCanvas& canvas, const TRect& rect, int32_t top);
    void PaintSlot(TCanvas& canvas, const TRect& rect, const TCellSlot& slot, int32_t y);
    const TCellSlot* SlotAt(int32_t x, int32_t y) const;
    int32_t ContentTop(const TCellSlot& slot) const { return slot.Y + slot.Inset + slot.VOffset; }
    template <typename F>
    void ForEachCell(F visit);

    int32_t GridTop = 0;  // the grid's place below the table top at the last layout
    int32_t GridHeight = 0;
    int32_t PaintedX = 0;   // screen X of the table's left at the last paint
    TReachIndex SlotSpans;  // the slots' places at the last layout, for bisection
};

}  // namespace codelume
