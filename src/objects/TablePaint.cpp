#include <algorithm>

#include "base/Arith.h"
#include "document/CharOrder.h"
#include "document/SectionList.h"
#include "objects/HtmlTable.h"
#include "objects/PaintBox.h"

namespace codelume {

namespace {

const TCell& CellOf(const TCellSlot& slot) { return *slot.Cell; }

}  // namespace

// Painting: the table's background, its raised outer border and the sunken
// border of each cell when BORDER is set, then every cell's own blocks. Only
// the cells that meet the band are drawn, so a band of a long table costs what
// it shows: printing one page of it does not frame every cell again.
int32_t THtmlTable::PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                            int32_t y) {
    (void)manager;
    TopY = y;
    PaintedX = x + TableLeft;
    int32_t screenTop = y - Caption.Document.ScrollY;
    if (screenTop < rect.Bottom && screenTop + PaintHeight > rect.Top) {
        TRect grid{PaintedX, screenTop + GridTop, PaintedX + TableWidth,
                   screenTop + GridTop + GridHeight};
        if (TableWidth > 0) PaintBackground(canvas, grid, BgColor, Background);
        if (Border > 0 && TableWidth > 0) PaintBorders(canvas, rect, screenTop);
        for (const TCellSlot& slot :
             SlotsNear(int64_t{rect.Top} - screenTop, int64_t{rect.Bottom} - screenTop))
            if (SlotMeetsBand(slot, rect, screenTop)) PaintSlot(canvas, rect, slot, y);
    }
    return y + BlockHeight;
}

// Slots come in reading order, caption and rows from the top down, so their
// tops never go up; a cell spanning rows may reach below the slots after it.
void THtmlTable::IndexSlots() {
    for (const TCellSlot& slot : Slots) SlotSpans.Add(slot.Y, CheckedAdd(slot.Y, slot.Height));
}

std::span<const TCellSlot> THtmlTable::SlotsNear(int64_t top, int64_t bottom) const {
    size_t first = SlotSpans.FirstReaching(top);
    size_t end = SlotSpans.FirstStarting(bottom);
    if (first >= end) return {};
    return std::span(Slots).subspan(first, end - first);
}

bool THtmlTable::SlotMeetsBand(const TCellSlot& slot, const TRect& rect, int32_t screenTop) const {
    return screenTop + slot.Y < rect.Bottom && screenTop + slot.Y + slot.Height > rect.Top;
}

// The colour, then the picture tiled from the area's top left corner.
void THtmlTable::PaintBackground(TCanvas& canvas, const TRect& area, std::optional<TColor> color,
                                 const std::string& picture) {
    if (color) canvas.FillRect(area, *color);
    if (const TPicture* tile = Caption.Document.BackgroundPicture(picture))
        canvas.TileImage(*tile, area, {area.Left, area.Top});
}

void THtmlTable::PaintBorders(TCanvas& canvas, const TRect& rect, int32_t top) {
    bool mono = canvas.IsMonochrome();
    TColor light = mono ? clBlack : clBtnHighlight;
    TColor dark = mono ? clBlack : clBtnShadow;
    int32_t left = PaintedX;
    PaintFrame(canvas, {left, top + GridTop, left + TableWidth, top + GridTop + GridHeight}, Border,
               light, dark);
    for (const TCellSlot& slot : SlotsNear(int64_t{rect.Top} - top, int64_t{rect.Bottom} - top))
        if (!slot.IsCaption && SlotMeetsBand(slot, rect, top))
            PaintFrame(canvas,
                       {left + slot.X, top + slot.Y, left + slot.X + slot.Width,
                        top + slot.Y + slot.Height},
                       1, dark, light);
}

void THtmlTable::PaintSlot(TCanvas& canvas, const TRect& rect, const TCellSlot& slot, int32_t y) {
    int32_t screenTop = y + slot.Y - Caption.Document.ScrollY;
    int32_t inner = Border > 0 && !slot.IsCaption ? 1 : 0;
    PaintBackground(canvas,
                    {PaintedX + slot.X + inner, screenTop + inner,
                     PaintedX + slot.X + slot.Width - inner, screenTop + slot.Height - inner},
                    slot.BgColor, slot.Background);
    int32_t contentWidth = slot.Width - 2 * slot.Inset;
    slot.Cell->PaintDocument(canvas, rect, contentWidth, PaintedX + slot.X + slot.Inset,
                             y + ContentTop(slot));
}

// Queries: x in screen coordinates, y relative to the table's top.
const TCellSlot* THtmlTable::SlotAt(int32_t x, int32_t y) const {
    int32_t tableX = x - PaintedX;
    for (const TCellSlot& slot : SlotsNear(y, int64_t{y} + 1))
        if (tableX >= slot.X && tableX < slot.X + slot.Width && y >= slot.Y &&
            y < slot.Y + slot.Height)
            return &slot;
    return nullptr;
}

bool THtmlTable::LinkAt(TCanvas& canvas, int32_t x, int32_t y, TLinkHit& hit) {
    const TCellSlot* slot = SlotAt(x, y);
    return slot != nullptr && slot->Cell->LinkAt(canvas, x, y - ContentTop(*slot), hit);
}

bool THtmlTable::ImageAt(int32_t x, int32_t y, TImageHit& hit) {
    const TCellSlot* slot = SlotAt(x, y);
    return slot != nullptr && slot->Cell->ImageAt(x, y - ContentTop(*slot), hit);
}

TCharHit THtmlTable::CharIndexAt(TCanvas& canvas, int32_t x, int32_t y) {
    const TCellSlot* slot = SlotAt(x, y);
    if (slot == nullptr) return {};
    TCharHit hit = slot->Cell->CharIndexAt(canvas, x, y - ContentTop(*slot));
    if (hit.Index >= 0) hit.LineTop += ContentTop(*slot);
    return hit;
}

// A cell lays its blocks out from its own left edge; the caret point is moved
// to where the table shows it.
bool THtmlTable::CaretPoint(TCanvas& canvas, int32_t index, TPoint& point) {
    return AskPartsHolding(Slots, index, CellOf, [&](const TCellSlot& slot) {
        if (!slot.Cell->CaretPoint(canvas, index, point)) return false;
        point.X += TableLeft + slot.X + slot.Inset;
        return true;
    });
}

bool THtmlTable::CharAt(int32_t index, char& ch, TSectionBase*& block) {
    return AskPartsHolding(Slots, index, CellOf, [&](const TCellSlot& slot) {
        return slot.Cell->CharAt(index, ch, block);
    });
}

int32_t THtmlTable::SearchText(int32_t from, std::string_view text, TCaseSense sense) {
    for (const TCellSlot& slot : Slots)
        if (int32_t found = slot.Cell->SearchText(from, text, sense); found >= 0) return found;
    return -1;
}

// Only the cells of the last layout count: their blocks know their place.
bool THtmlTable::Holds(const TSectionBase* block) const {
    return block == this || std::any_of(Slots.begin(), Slots.end(), [block](const TCellSlot& slot) {
               return slot.Cell->Holds(block);
           });
}

void THtmlTable::EmitSelectedText() {
    for (const TCellSlot& slot : Slots) slot.Cell->EmitSelectedText();
}

template <typename F>
void THtmlTable::ForEachCell(F visit) {
    visit(Caption);
    for (const auto& row : Rows)
        for (const auto& cell : *row) visit(cell->Cell);
}

void THtmlTable::RefreshFonts() {
    ForEachCell([](TCell& cell) {
        for (const auto& block : cell.Blocks) block->RefreshFonts();
    });
}

void THtmlTable::RecomputeSpacing() {
    ForEachCell([](TCell& cell) {
        for (const auto& block : cell.Blocks) block->RecomputeSpacing();
    });
}

}  // namespace codelume
