#include "objects/HtmlImage.h"

#include <algorithm>
#include <cstdlib>

#include "base/Arith.h"
#include "base/Ascii.h"
#include "document/SectionList.h"
#include "objects/PaintBox.h"

namespace codelume {

namespace {

constexpr int32_t MaxHSpace = 20;
constexpr int32_t DefaultHSpace = 5;

std::string MapNameOf(const TAttributeList& attributes) {
    std::string name = TextAttribute(attributes, UseMapSy);
    if (name.starts_with('#')) name.erase(0, 1);
    return UpperAscii(name);
}

}  // namespace

TImageAlign ImageAlignOf(const TAttributeList& attributes) {
    std::string align = UpperAscii(TextAttribute(attributes, AlignSy));
    if (align == "TOP") return iaTop;
    if (align == "MIDDLE" || align == "ABSMIDDLE") return iaMiddle;
    if (align == "LEFT") return iaLeft;
    if (align == "RIGHT") return iaRight;
    return iaBottom;
}

THtmlImage::THtmlImage(TSectionList& document, const TAttributeList& attributes)
    : Document(document),
      Source(TextAttribute(attributes, SrcSy)),
      AltText(TextAttribute(attributes, AltSy)),
      UseMap(MapNameOf(attributes)),
      SpecWidth(LengthAttribute(attributes, WidthSy)),
      SpecHeight(LengthAttribute(attributes, HeightSy)) {
    VAlign = ImageAlignOf(attributes);
    const TAttribute* hSpace = attributes.Find(HSpaceSy);
    HSpace =
        hSpace ? std::min(std::abs(std::max(hSpace->Value, -MaxHSpace)), MaxHSpace) : DefaultHSpace;
    Border = IntAttribute(attributes, BorderSy, 1, 0, MaxAttributePixels);
    IsMap = attributes.Find(IsMapSy) != nullptr;
    PercentWidth = SpecWidth && SpecWidth->Percent && SpecWidth->Value > 0;
}

THtmlImage::THtmlImage(TSectionList& document, const THtmlImage& source)
    : TImageObj(source),
      Document(document),
      Source(source.Source),
      AltText(source.AltText),
      UseMap(source.UseMap),
      SpecWidth(source.SpecWidth),
      SpecHeight(source.SpecHeight) {}

std::unique_ptr<TImageObj> THtmlImage::CloneFor(TSectionList& document) const {
    return std::unique_ptr<TImageObj>(new THtmlImage(document, *this));
}

// The tag's size, 20 by 20 when either side is missing or not positive; a width
// in percent is that share of the width available where the image stands.
void THtmlImage::LayoutImage(TCanvas& canvas, int32_t availWidth, const TMyFont& font) {
    (void)canvas, (void)font;
    bool sized = SpecWidth && SpecWidth->Value > 0 && SpecHeight && SpecHeight->Value > 0;
    if (!sized) {
        ImageWidth = ImageHeight = DefaultSize;
        return;
    }
    ImageWidth = SpecWidth->Percent ? MulDiv(std::max(availWidth, 0), SpecWidth->Value, 100)
                                    : SpecWidth->Value;
    ImageWidth = std::clamp(ImageWidth, 0, MaxAttributePixels);
    ImageHeight = SpecHeight->Value;
}

// The line made room below the text for a middle-aligned image's lower half,
// (height - text height) / 2, and above it for the rest.
int32_t THtmlImage::TopFor(TCanvas& canvas, const TMyFont& font, int32_t baseline,
                           int32_t topY) const {
    if (VAlign == iaBottom) return baseline - ImageHeight;
    if (VAlign != iaMiddle) return topY;
    int32_t textHeight = baseline - topY + canvas.TextMetrics(font).Descent;
    int32_t below = (ImageHeight - textHeight) / 2;
    return topY - (ImageHeight - textHeight - below);
}

void THtmlImage::Paint(TCanvas& canvas, int32_t x, const TMyFont& font, int32_t baseline,
                       int32_t topY) {
    DrawX = x;
    DrawY = TopFor(canvas, font, baseline, topY);
    int32_t top = DrawY - Document.ScrollY;
    if (Document.ForPrinter && DrawY >= Document.PageCut) return;
    TColor frame = canvas.IsMonochrome() ? clBlack : clGray;
    PaintFrame(canvas, {x, top, x + ImageWidth, top + ImageHeight}, 1, frame, frame);
}

// A client-side map answers through the map of the document that carries its name.
bool THtmlImage::MapLinkAt(int32_t x, int32_t y, TUrlTarget& link) const {
    if (UseMap.empty()) return false;
    for (const auto& map : Document.MapList)
        if (map->MapName == UseMap) return map->LinkAt(x, y, link);
    return false;
}

}  // namespace codelume
