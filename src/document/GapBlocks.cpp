#include "document/GapBlocks.h"

#include <algorithm>

#include "base/Arith.h"
#include "document/IndentManager.h"
#include "document/ParseColor.h"
#include "document/SectionList.h"

namespace codelume {

namespace {

int32_t HeadingGap(int32_t level) {
    switch (level) {
        case 1:
            return 16;
        case 2:
            return 12;
        case 3:
            return 10;
        case 5:
            return 6;
        case 6:
            return 4;
        default:
            return 8;
    }
}

// Pages of these colours count as light: the rule's highlight turns silver on them.
bool IsWhitePage(TColor color) { return (color & ~PaletteRelative) == clWhite; }

}  // namespace

void TGapBlock::EmitSelectedText() { Owner->TextSink->AddText("\r\n"); }

std::unique_ptr<TSectionBase> TParagraphSpace::CloneFor(TSectionList& list) const {
    return std::make_unique<TParagraphSpace>(list, *this);
}

void TParagraphSpace::RecomputeSpacing() { BlockHeight = MulDiv(14, Owner->FontSize, 12); }

THeadingSpace::THeadingSpace(TSectionList& list, const THeadingSpace& source)
    : TGapBlock(list, source), Level(source.Level) {}

std::unique_ptr<TSectionBase> THeadingSpace::CloneFor(TSectionList& list) const {
    return std::make_unique<THeadingSpace>(list, *this);
}

void THeadingSpace::RecomputeSpacing() {
    BlockHeight = MulDiv(HeadingGap(Level), Owner->FontSize, 12);
}

THorzLine::THorzLine(const TAttributeList& attributes) {
    if (const TAttribute* size = attributes.Find(SizeSy);
        size && size->Value >= 1 && size->Value <= 20)
        Thickness = size->Value;
    if (const TAttribute* width = attributes.Find(WidthSy)) {
        RuleWidth = width->Value;
        PercentWidth = !width->Text.empty() && width->Text.back() == '%';
    }
    if (const TAttribute* color = attributes.Find(ColorSy))
        HasColor = ParseColor(color->Text, Color);
    if (HasColor) Color |= PaletteRelative;
}

THorzLine::THorzLine(TSectionList& list, const THorzLine& source)
    : TGapBlock(list, source),
      Thickness(source.Thickness),
      RuleWidth(source.RuleWidth),
      PercentWidth(source.PercentWidth),
      HasColor(source.HasColor),
      Color(source.Color) {}

std::unique_ptr<TSectionBase> THorzLine::CloneFor(TSectionList& list) const {
    return std::make_unique<THorzLine>(list, *this);
}

void THorzLine::RecomputeSpacing() {
    BlockHeight = MulDiv(20, Owner->FontSize, 12) + Thickness - 2;
}

int32_t THorzLine::LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager, int32_t& maxWidth,
                            int32_t& curs) {
    int32_t height = TSectionBase::LayoutAt(canvas, y, manager, maxWidth, curs);
    int32_t middle = y + BlockHeight / 2;
    LeftOffset = manager.LeftEdgeAt(middle) - manager.LeftBase;
    RightOffset = manager.RightEdgeAt(middle) - manager.RightBase;
    return height;
}

TRect THorzLine::RuleRect(const IndentManager& manager, int32_t y) const {
    int32_t left = manager.LeftBase + LeftOffset;
    int32_t right = manager.RightBase + RightOffset;
    int32_t space = right - left;
    int32_t width = space - 20;
    if (RuleWidth > 0)
        width = std::min(space, PercentWidth ? MulDiv(space, RuleWidth, 100) : RuleWidth);
    int32_t ruleLeft = left + (space - width) / 2;
    int32_t top = y + (BlockHeight - Thickness) / 2;
    return {ruleLeft, top, ruleLeft + width, top + Thickness};
}

int32_t THorzLine::PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                           int32_t y) {
    int32_t below = TSectionBase::PaintAt(canvas, rect, manager, x, y);
    TSectionList& document = *Owner;
    TRect rule = RuleRect(manager, y - document.ScrollY);
    bool offBand = rule.Bottom < rect.Top || rule.Top >= rect.Bottom;
    if (offBand || (document.ForPrinter && y >= document.PageCut)) return below;
    if (HasColor) {
        canvas.FillRect(rule, Color);
        return below;
    }
    TColor shadow = clBtnShadow;
    TColor light =
        document.ForPrinter || IsWhitePage(document.PageColor) ? clSilver : clBtnHighlight;
    if (document.ForPrinter && canvas.IsMonochrome()) shadow = light = clBlack;
    canvas.FillRect({rule.Left, rule.Top, rule.Right, rule.Bottom - 1}, shadow);
    canvas.FillRect({rule.Left, rule.Bottom - 1, rule.Right, rule.Bottom}, light);
    canvas.FillRect({rule.Right - 1, rule.Top, rule.Right, rule.Bottom}, light);
    return below;
}

std::unique_ptr<TSectionBase> TPage::CloneFor(TSectionList& list) const {
    return std::make_unique<TPage>(list, *this);
}

int32_t TPage::PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                       int32_t y) {
    int32_t below = TSectionBase::PaintAt(canvas, rect, manager, x, y);
    TSectionList& document = *Owner;
    int32_t screenY = y - document.ScrollY;
    if (document.ForPrinter && screenY > rect.Top + 5 && screenY < rect.Bottom &&
        y < document.PageCut)
        document.PageCut = y;
    return below;
}

}  // namespace codelume
