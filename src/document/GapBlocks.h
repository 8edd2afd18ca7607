// Blocks without text: paragraph and heading gaps, the horizontal rule and the
// page break. Their heights follow the document font size.
#pragma once

#include <cstdint>

#include "base/Colors.h"
#include "document/Attributes.h"
#include "document/SectionBase.h"

namespace codelume {

// A gap block writes a line break into the selected text.
class TGapBlock : public TSectionBase {
public:
    using TSectionBase::TSectionBase;
    void EmitSelectedText() override;
};

class TParagraphSpace : public TGapBlock {
public:
    TParagraphSpace() = default;
    TParagraphSpace(TSectionList& list, const TParagraphSpace& source) : TGapBlock(list, source) {}
    TBlockKind Kind() const override { return TBlockKind::ParagraphSpace; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;
    void RecomputeSpacing() override;
};

class THeadingSpace : public TGapBlock {
public:
    explicit THeadingSpace(int32_t level) : Level(level) {}
    THeadingSpace(TSectionList& list, const THeadingSpace& source);
    TBlockKind Kind() const override { return TBlockKind::HeadingSpace; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;
    void RecomputeSpacing() override;

    int32_t Level;
};

class THorzLine : public TGapBlock {
public:
    explicit THorzLine(const TAttributeList& attributes);
    THorzLine(TSectionList& list, const THorzLine& source);
    TBlockKind Kind() const override { return TBlockKind::HorzLine; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;
    int32_t LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager, int32_t& maxWidth,
                     int32_t& curs) override;
    int32_t PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                    int32_t y) override;
    void RecomputeSpacing() override;

    int32_t Thickness = 2;  // SIZE 1 to 20
    int32_t RuleWidth = 0;  // WIDTH, 0 when not given
    bool PercentWidth = false;
    bool HasColor = false;
    TColor Color = clBlack;

private:
    // The edges at the rule's Y, relative to the manager's bases, as layout found them.
    int32_t LeftOffset = 0;
    int32_t RightOffset = 0;
    TRect RuleRect(const IndentManager& manager, int32_t y) const;
};

class TPage : public TSectionBase {
public:
    TPage() = default;
    TPage(TSectionList& list, const TPage& source) : TSectionBase(list, source) {}
    TBlockKind Kind() const override { return TBlockKind::Page; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;
    int32_t PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                    int32_t y) override;
};

}  // namespace codelume
