// An image of an IMG tag. Its size comes from the tag's WIDTH and HEIGHT; it
// paints as a framed box until image files are decoded. Owned by its block.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "document/Attributes.h"
#include "document/ImageObj.h"
#include "objects/AttributeValues.h"

namespace codelume {

class THtmlImage : public TImageObj {
public:
    // Reads SRC, ALT, WIDTH, HEIGHT, ALIGN, HSPACE, BORDER, ISMAP and USEMAP.
    THtmlImage(TSectionList& document, const TAttributeList& attributes);

    TSectionList& Document;
    std::string Source;
    std::string AltText;
    std::string UseMap;  // the map name without its '#', upper-cased
    std::optional<TLength> SpecWidth;
    std::optional<TLength> SpecHeight;

    // Without a usable WIDTH and HEIGHT an image is this many pixels square.
    static constexpr int32_t DefaultSize = 20;

    std::unique_ptr<TImageObj> CloneFor(TSectionList& document) const override;
    void LayoutImage(TCanvas& canvas, int32_t availWidth, const TMyFont& font) override;
    void Paint(TCanvas& canvas, int32_t x, const TMyFont& font, int32_t baseline,
               int32_t topY) override;
    bool MapLinkAt(int32_t x, int32_t y, TUrlTarget& link) const override;

private:
    THtmlImage(TSectionList& document, const THtmlImage& source);
    // Bottom-aligned on the baseline, middle-aligned centred on the text, else from topY.
    int32_t TopFor(TCanvas& canvas, const TMyFont& font, int32_t baseline, int32_t topY) const;
};

// ALIGN of an IMG, upper-cased and whole: TOP, MIDDLE or ABSMIDDLE, LEFT, RIGHT; anything else is
// bottom.
TImageAlign ImageAlignOf(const TAttributeList& attributes);

}  // namespace codelume
