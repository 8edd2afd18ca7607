// A document built by hand on the fixed-metrics canvas: 12-point text is 16 px
// high with descent 4, and every character is 8 px wide.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/FixedCanvas.h"
#include "document/GapBlocks.h"
#include "document/Section.h"
#include "document/SectionList.h"

namespace codelume {

class TTestImage : public TImageObj {
public:
    TTestImage(int32_t width, int32_t height, TImageAlign align) {
        ImageWidth = width;
        ImageHeight = height;
        VAlign = align;
    }
    std::unique_ptr<TImageObj> CloneFor(TSectionList&) const override {
        return std::make_unique<TTestImage>(ImageWidth, ImageHeight, VAlign);
    }
    void LayoutImage(TCanvas&, int32_t, const TMyFont&) override {}
    void Paint(TCanvas&, int32_t x, const TMyFont&, int32_t baseline, int32_t topY) override {
        DrawX = x;
        DrawY = VAlign == iaBottom ? baseline - ImageHeight : topY;
    }
};

class TDocumentTest {
public:
    TSectionList Doc;
    TRunStyle Style;
    TFixedCanvas Canvas;

    // A new block of the given kind with the document's base font.
    template <typename TBlock = TSection, typename... TArgs>
    std::unique_ptr<TBlock> Make(TArgs... args) {
        return std::make_unique<TBlock>(args..., Doc.BaseFont(), Style);
    }
    std::unique_ptr<TSection> MakeText(std::string_view text, TAlignment align = taLeftJustify,
                                       int32_t depth = 0);
    // Adds the block to the document and returns it.
    template <typename TBlock>
    TBlock& Add(std::unique_ptr<TBlock> block) {
        TBlock& added = *block;
        Doc.AddSection(std::move(block));
        return added;
    }
    TSection& AddText(std::string_view text, TAlignment align = taLeftJustify, int32_t depth = 0) {
        return Add(MakeText(text, align, depth));
    }
    int32_t Layout(int32_t width);
};

std::vector<std::string> LineTexts(const TSection& section);

}  // namespace codelume
