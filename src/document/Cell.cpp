#include "document/Cell.h"

#include <algorithm>

#include "base/Arith.h"
#include "document/Section.h"
#include "document/SectionList.h"

namespace codelume {

TCell::TCell(TSectionList& document, const TCell& source) : Document(document) {
    CopyBlocksFrom(source);
}

void TCell::CopyBlocksFrom(const TCell& source) {
    for (const auto& block : source.Blocks) Blocks.Add(block->CloneFor(Document));
}

void TCell::AddSection(std::unique_ptr<TSectionBase> block) {
    if (!block) return;
    if (auto* section = dynamic_cast<TSection*>(block.get())) section->Terminate();
    Blocks.Add(std::move(block))->SetOwner(Document);
}

void TCell::ClearBlocks() {
    Blocks.Clear();
    Spans.Clear();
    LaidOutHeight = 0;
}

int32_t TCell::LayoutDocument(TCanvas& canvas, int32_t y, int32_t width, int32_t& maxWidth,
                              int32_t& curs) {
    Manager.ResetEdges();
    Manager.SetEdges(0, width);
    Manager.AvailWidth = width;
    TopY = y;
    FirstIndex = curs;
    int32_t height = 0;
    maxWidth = 0;
    Spans.Clear();
    for (int index = 0; index < Blocks.Count();)
        LayoutBlock(canvas, index, y, height, maxWidth, curs);
    CharCount = curs - FirstIndex;
    LaidOutHeight = height;
    return std::max(height, Manager.FloatBottom() - y);
}

// Lays out one block and steps to the next; a block that cannot be laid out, or
// whose sizes would leave 32-bit coordinates, is reported and dropped, and
// layout goes on with the next one.
void TCell::LayoutBlock(TCanvas& canvas, int& index, int32_t y, int32_t& height, int32_t& maxWidth,
                        int32_t& curs) {
    int32_t blockCurs = curs, blockWidth = 0, top = height;
    try {
        int32_t blockHeight =
            Blocks[index]->LayoutAt(canvas, CheckedAdd(y, height), Manager, blockWidth, blockCurs);
        height = CheckedAdd(height, blockHeight);
    } catch (const EProcessError& error) {
        DropBlock(index, error);
        return;
    } catch (const EIntOverflow& error) {
        DropBlock(index, error);
        return;
    }
    curs = blockCurs;
    maxWidth = std::max(maxWidth, blockWidth);
    Spans.Add(top, CheckedAdd(top, Blocks[index]->PaintHeight));
    ++index;
}

void TCell::DropBlock(int index, const std::exception& error) {
    if (Document.OnLayoutError) Document.OnLayoutError(error.what());
    Blocks.Delete(index);
}

void TCell::WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth) {
    uint32_t pass = Document.LayoutPass;
    if (pass != 0 && Measured.Canvas == &canvas && Measured.Pass == pass) {
        minWidth = Measured.Min;
        maxWidth = Measured.Max;
        return;
    }
    MeasureWidthBounds(canvas, minWidth, maxWidth);
    if (pass != 0) Measured = {&canvas, pass, minWidth, maxWidth};
}

void TCell::MeasureWidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth) {
    minWidth = maxWidth = 0;
    for (const auto& block : Blocks) {
        int32_t blockMin = 0, blockMax = 0;
        block->WidthBounds(canvas, blockMin, blockMax);
        minWidth = std::max(minWidth, blockMin);
        maxWidth = std::max(maxWidth, blockMax);
    }
}

int32_t TCell::HeightBefore(int index) const {
    int32_t height = 0;
    for (int i = 0; i < std::min(index, Blocks.Count() - 1); ++i) height += Blocks[i]->BlockHeight;
    return height;
}

// At the last layout each block's top was the sum of the heights above it, so
// the first block whose bottom is below y is found by bisection.
TSectionBase* TCell::BlockAt(int32_t y, int32_t& top, int& index) const {
    if (Spans.Count() != static_cast<size_t>(Blocks.Count())) return WalkToBlockAt(y, top, index);
    auto above = [this, y](int i) {
        return int64_t{Spans.Top(static_cast<size_t>(i))} + Blocks[i]->BlockHeight <= y;
    };
    int below = Blocks.Count();
    for (index = 0; index < below;) {
        int middle = index + (below - index) / 2;
        if (above(middle))
            index = middle + 1;
        else
            below = middle;
    }
    if (index < Blocks.Count()) {
        top = Spans.Top(static_cast<size_t>(index));
        return Blocks[index];
    }
    top =
        index > 0 ? Spans.Top(static_cast<size_t>(index - 1)) + Blocks[index - 1]->BlockHeight : 0;
    return nullptr;
}

// Before the first layout, or with blocks added since, the heights are summed.
TSectionBase* TCell::WalkToBlockAt(int32_t y, int32_t& top, int& index) const {
    top = 0;
    for (index = 0; index < Blocks.Count(); ++index) {
        TSectionBase* block = Blocks[index];
        if (top + block->BlockHeight > y) return block;
        top += block->BlockHeight;
    }
    return nullptr;
}

TSectionBase* TCell::LineTopAt(int32_t y, int32_t& top, int& index) const {
    TSectionBase* block = BlockAt(y, top, index);
    auto* section = dynamic_cast<TSection*>(block);
    if (!section) return block;
    int32_t offset = y - top, above = 0;
    for (const auto& line : section->Lines) {
        if (above + line->Extent > offset) break;
        above += line->Extent;
    }
    top += above;
    return block;
}

}  // namespace codelume
