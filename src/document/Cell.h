// An ordered list of blocks with its indentation manager: the document itself,
// a table cell or a caption. The cell owns its blocks.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string_view>
#include <vector>

#include "base/FreeList.h"
#include "canvas/Canvas.h"
#include "document/IndentManager.h"
#include "document/ReachIndex.h"
#include "document/SectionBase.h"

namespace codelume {

class TSectionList;

class TCell {
public:
    explicit TCell(TSectionList& document) : Document(document) {}
    // Copies every block of source for document, in order.
    TCell(TSectionList& document, const TCell& source);
    TCell(const TCell&) = delete;
    TCell& operator=(const TCell&) = delete;
    virtual ~TCell() = default;

    TSectionList& Document;
    TFreeList<TSectionBase> Blocks;
    IndentManager Manager;
    int32_t TopY = 0;  // the Y and first character index of the last layout
    int32_t FirstIndex = 0;
    int32_t CharCount = 0;  // the cell's character span

    // A missing block is ignored; a text block gets its terminating zero.
    void AddSection(std::unique_ptr<TSectionBase> block);
    // Frees every block and forgets the last layout.
    void ClearBlocks();

    int32_t LayoutDocument(TCanvas& canvas, int32_t y, int32_t width, int32_t& maxWidth,
                           int32_t& curs);
    int32_t PaintDocument(TCanvas& canvas, const TRect& rect, int32_t clipWidth, int32_t x,
                          int32_t y);
    void WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth);

    // Sum of the block heights before block index (at most up to the second-last block).
    int32_t HeightBefore(int index) const;
    // The first block whose bottom is below y, with its top; none past the end.
    TSectionBase* BlockAt(int32_t y, int32_t& top, int& index) const;
    // As BlockAt, with the top advanced to the line of a text block that holds y.
    TSectionBase* LineTopAt(int32_t y, int32_t& top, int& index) const;

    // Queries; y relative to the cell top, x in screen coordinates.
    TCharHit CharIndexAt(TCanvas& canvas, int32_t x, int32_t y);
    bool CaretPoint(TCanvas& canvas, int32_t index, TPoint& point);
    bool CharAt(int32_t index, char& ch, TSectionBase*& block);
    // Whether block is one of this cell's blocks, or one of a table among them.
    bool Holds(const TSectionBase* block) const;
    int32_t SearchText(int32_t from, std::string_view text, TCaseSense sense);
    bool LinkAt(TCanvas& canvas, int32_t x, int32_t y, TLinkHit& hit);
    bool ImageAt(int32_t x, int32_t y, TImageHit& hit);
    // Writes the selected part of every block the selection touches to the text sink.
    void EmitSelectedText();

protected:
    void CopyBlocksFrom(const TCell& source);

private:
    // Where each block stood in the last layout, relative to the cell top:
    // painting and BlockAt find the blocks they need by bisection.
    TReachIndex Spans;
    int32_t LaidOutHeight = 0;
    TSectionBase* WalkToBlockAt(int32_t y, int32_t& top, int& index) const;
    void LayoutBlock(TCanvas& canvas, int& index, int32_t y, int32_t& height, int32_t& maxWidth,
                     int32_t& curs);
    void DropBlock(int index, const std::exception& error);

    template <typename TAsk>
    bool AskBlocksAt(int32_t y, TAsk ask) const;
    template <typename TAsk>
    bool AskBlocksHolding(int32_t index, TAsk ask) const;

    void MeasureWidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth);
    // The width bounds measured during one layout on one canvas. A table's
    // parent measures its cells, then the table's own layout measures them
    // again: without this every cell would be measured twice, and a nest of
    // tables once per level above it.
    struct TBoundsMemo {
        const TCanvas* Canvas = nullptr;
        uint32_t Pass = 0;
        int32_t Min = 0;
        int32_t Max = 0;
    };
    TBoundsMemo Measured;
};

}  // namespace codelume
