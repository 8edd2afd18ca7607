// An image of an IMG tag or of an image button. It takes its picture from the
// document's cache at its first layout with images shown, and is sized from
// the picture and the tag's WIDTH and HEIGHT; without a picture it is a framed
// box holding its ALT text. Owned by its block.
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
    // Reads SRC, ALT, WIDTH, HEIGHT, ALIGN, HSPACE, VSPACE, BORDER, ISMAP and USEMAP.
    THtmlImage(TSectionList& document, const TAttributeList& attributes);

    TSectionList& Document;
    std::string Source;
    std::string AltText;
    std::string UseMap;  // the map name without its '#', upper-cased
    std::optional<TLength> SpecWidth;
    std::optional<TLength> SpecHeight;
    std::optional<int32_t> SpecBorder;
    bool HSpaceGiven = false;  // an inline image keeps HSPACE free on both sides
    int32_t VSpace = 0;
    TSize PictureSize;  // the picture or the box inside the border, after layout

    // A box without a picture, a WIDTH or a HEIGHT, and without ALT text, is this many pixels
    // square.
    static constexpr int32_t DefaultSize = 20;
    // The border of an image inside a link that gives no BORDER.
    static constexpr int32_t LinkBorder = 2;

    std::unique_ptr<TImageObj> CloneFor(TSectionList& document) const override;
    void LayoutImage(TCanvas& canvas, int32_t availWidth, const TMyFont& font) override;
    void Paint(TCanvas& canvas, int32_t x, const TMyFont& font, int32_t baseline,
               int32_t topY) override;
    bool MapLinkAt(int32_t x, int32_t y, TUrlTarget& link) const override;

    // The picture when images are shown and it could be decoded.
    const TPicture* Picture();

private:
    THtmlImage(TSectionList& document, const THtmlImage& source);
    // Registers an animated picture with the document, once.
    void StartAnimation(const TPicture& picture);
    TSize ScaledSize(TSize natural, int32_t availWidth) const;
    TSize BoxSize(TCanvas& canvas, int32_t availWidth, const TMyFont& font) const;
    // Bottom-aligned on the baseline, middle-aligned centred on the text, else from topY.
    int32_t TopFor(TCanvas& canvas, const TMyFont& font, int32_t baseline, int32_t topY) const;
    void PaintBox(TCanvas& canvas, const TRect& inside, const TMyFont& font) const;

    const TPicture* FPicture = nullptr;
    bool LookedUp = false;
};

// ALIGN of an IMG, upper-cased and whole: TOP, MIDDLE or ABSMIDDLE, LEFT, RIGHT; anything else is
// bottom.
TImageAlign ImageAlignOf(const TAttributeList& attributes);

}  // namespace codelume
