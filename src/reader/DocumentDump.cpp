#include "reader/DocumentDump.h"

#include <unordered_map>

#include "base/Arith.h"
#include "base/Format.h"
#include "canvas/FixedCanvas.h"
#include "document/Section.h"

namespace codelume {
namespace {

void DumpLines(const TSection& section, std::string& out) {
    for (int j = 0; j < section.Lines.Count(); ++j) {
        const LineRec& line = *section.Lines[j];
        std::string_view text(line.StartAt, static_cast<size_t>(line.CharsInLine));
        out += Format("  line %d x=%d above=%d text=%d below=%d descent=%d chars=%d %s\n", j,
                      line.LeftX, line.GapAbove, line.TextHeight, line.GapBelow, line.LineDescent,
                      line.CharsInLine, QuoteBytes(text).c_str());
    }
}

// Each block's top is the running height: where the document's layout put it.
void DumpBlocks(const TSectionList& document, std::string& out) {
    int32_t top = 0;
    for (int i = 0; i < document.Blocks.Count(); ++i) {
        const TSectionBase& block = *document.Blocks[i];
        out += Format("block %d %s top=%d height=%d paint=%d first=%d chars=%d\n", i,
                      BlockKindName(block.Kind()), top, block.BlockHeight, block.PaintHeight,
                      block.FirstIndex, block.CharCount);
        if (const auto* section = dynamic_cast<const TSection*>(&block)) DumpLines(*section, out);
        top = CheckedAdd(top, block.BlockHeight);
    }
}

// The block numbers are looked up in a table made once, so a page of many
// anchors and blocks dumps in linear time; a block that is gone is -1.
void DumpAnchors(const TSectionList& document, const TAnchorIndex& anchors, std::string& out) {
    std::unordered_map<const TSectionBase*, int> numbers;
    for (int i = 0; i < document.Blocks.Count(); ++i) numbers.emplace(document.Blocks[i], i);
    for (const auto& anchor : anchors) {
        auto found = numbers.find(anchor.Block);
        out += "anchor " + anchor.Name +
               Format(" block=%d\n", found == numbers.end() ? -1 : found->second);
    }
}

}  // namespace

std::string DumpDocument(const TSectionList& document, const TAnchorIndex& anchors,
                         const std::string& title, int32_t height, int32_t maxWidth) {
    std::string out = "title " + QuoteBytes(title) + "\n";
    out += Format("document height=%d width=%d blocks=%d\n", height, maxWidth,
                  document.Blocks.Count());
    DumpBlocks(document, out);
    DumpAnchors(document, anchors, out);
    return out;
}

}  // namespace codelume
