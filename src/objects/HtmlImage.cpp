#include "objects/HtmlImage.h"

#include <algorithm>
#include <cstdlib>

#include "base/Arith.h"
#include "base/Ascii.h"
#include "document/SectionList.h"
#include "objects/PaintBox.h"

namespace codelume {

namespace {

constexpr int32_t MaxSpace = 20;
constexpr int32_t DefaultHSpace = 5;
// ALT text keeps this much room inside the frame of a box.
constexpr int32_t AltPadX = 3;
constexpr int32_t AltPadY = 2;

std::string MapNameOf(const TAttributeList& attributes) {
    std::string name = TextAttribute(attributes, UseMapSy);
    if (name.starts_with('#')) name.erase(0, 1);
    return UpperAscii(name);
}

// HSPACE and VSPACE: the absolute value, at most 20.
int32_t SpaceOf(const TAttribute& attribute) {
    return std::min(std::abs(std::max(attribute.Value, -MaxSpace)), MaxSpace);
}

// A WIDTH or HEIGHT in pixels: a percentage is that share of the room, and
// none without room (a height in percent); a negative length is no length.
std::optional<int32_t> PixelsOf(const std::optional<TLength>& length, std::optional<int32_t> room) {
    if (!length || length->Value < 0) return std::nullopt;
    if (!length->Percent) return length->Value;
    if (!room) return std::nullopt;
    return MulDiv(std::max(*room, 0), length->Value, 100);
}

// side * to / from, rounded and held within the largest layout size.
int32_t Proportional(int32_t side, int32_t to, int32_t from) {
    if (from <= 0) return side;
    int64_t scaled = (int64_t{side} * to + from / 2) / from;
    return static_cast<int32_t>(std::min<int64_t>(scaled, MaxAttributePixels));
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
    HSpaceGiven = hSpace != nullptr;
    HSpace = hSpace ? SpaceOf(*hSpace) : DefaultHSpace;
    if (const TAttribute* vSpace = attributes.Find(VSpaceSy)) VSpace = SpaceOf(*vSpace);
    if (attributes.Find(BorderSy))
        SpecBorder = IntAttribute(attributes, BorderSy, 0, 0, MaxAttributePixels);
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
      SpecHeight(source.SpecHeight),
      SpecBorder(source.SpecBorder),
      HSpaceGiven(source.HSpaceGiven),
      VSpace(source.VSpace),
      PictureSize(source.PictureSize),
      FPicture(source.FPicture),
      LookedUp(source.LookedUp) {
    Animation.reset();  // a copy (a print) starts from the first frame
    Painted = false;
}

std::unique_ptr<TImageObj> THtmlImage::CloneFor(TSectionList& document) const {
    return std::unique_ptr<TImageObj>(new THtmlImage(document, *this));
}

// Nothing is read before the first layout that shows images needs the picture.
const TPicture* THtmlImage::Picture() {
    if (!Document.ImagesOn) return nullptr;
    if (!LookedUp) {
        FPicture = Document.ShownPicture(Source);
        LookedUp = true;
    }
    return FPicture;
}

void THtmlImage::StartAnimation(const TPicture& picture) {
    if (Animation || !picture.IsAnimated()) return;
    Animation.emplace(picture);
    Document.AnimatedImages.push_back(this);
}

// The picture's own size; one side given keeps its proportions, both stretch it.
TSize THtmlImage::ScaledSize(TSize natural, int32_t availWidth) const {
    std::optional<int32_t> width = PixelsOf(SpecWidth, availWidth);
    std::optional<int32_t> height = PixelsOf(SpecHeight, std::nullopt);
    if (width && height) return {*width, *height};
    if (width) return {*width, Proportional(natural.Height, *width, natural.Width)};
    if (height) return {Proportional(natural.Width, *height, natural.Height), *height};
    return natural;
}

// Without a picture each side the tag gives is kept; the others fit the ALT
// text, or make the small default square.
TSize THtmlImage::BoxSize(TCanvas& canvas, int32_t availWidth, const TMyFont& font) const {
    TSize fit{DefaultSize, DefaultSize};
    if (!AltText.empty())
        fit = {CheckedAdd(canvas.TextExtent(font, AltText), 2 * (1 + AltPadX)),
               canvas.TextMetrics(font).Height + 2 * (1 + AltPadY)};
    return {PixelsOf(SpecWidth, availWidth).value_or(fit.Width),
            PixelsOf(SpecHeight, std::nullopt).value_or(fit.Height)};
}

// The box in the line is the picture, its border, and the space around both:
// VSPACE above and below, HSPACE beside an image in the text (a floating
// image keeps its gap at the edge it floats to).
void THtmlImage::LayoutImage(TCanvas& canvas, int32_t availWidth, const TMyFont& font) {
    const TPicture* picture = Picture();
    if (picture) StartAnimation(*picture);
    TSize size =
        picture ? ScaledSize(picture->Size, availWidth) : BoxSize(canvas, availWidth, font);
    PictureSize = {std::clamp(size.Width, 0, MaxAttributePixels),
                   std::clamp(size.Height, 0, MaxAttributePixels)};
    Border = SpecBorder.value_or(InLink ? LinkBorder : 0);
    MarginX = HSpaceGiven && !IsFloating() ? HSpace : 0;
    MarginY = VSpace;
    ImageWidth = PictureSize.Width + 2 * (MarginX + Border);
    ImageHeight = PictureSize.Height + 2 * (MarginY + Border);
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

// The border takes the colour of the run: the link colour inside a link.
void THtmlImage::Paint(TCanvas& canvas, int32_t x, const TMyFont& font, int32_t baseline,
                       int32_t topY) {
    DrawX = x;
    DrawY = TopFor(canvas, font, baseline, topY);
    if (Document.ForPrinter && DrawY >= Document.PageCut) return;
    Painted = true;
    TPoint origin = PictureOrigin();
    TRect inside{origin.X, origin.Y - Document.ScrollY, origin.X + PictureSize.Width,
                 origin.Y - Document.ScrollY + PictureSize.Height};
    const TPicture* picture = Picture();
    if (inside.Width() > 0 && inside.Height() > 0) {
        if (picture)
            canvas.DrawImage(*picture, Animation ? Animation->Frame() : 0, inside, std::nullopt);
        else
            PaintBox(canvas, inside, font);
    }
    if (Border > 0) {
        TColor color = canvas.IsMonochrome() ? clBlack : font.Color;
        PaintFrame(canvas,
                   {inside.Left - Border, inside.Top - Border, inside.Right + Border,
                    inside.Bottom + Border},
                   Border, color, color);
    }
}

// A box stands for a picture that is missing, cannot be decoded or is not shown.
void THtmlImage::PaintBox(TCanvas& canvas, const TRect& inside, const TMyFont& font) const {
    bool mono = canvas.IsMonochrome();
    PaintFrame(canvas, inside, 1, mono ? clBlack : clGray, mono ? clBlack : clGray);
    if (AltText.empty()) return;
    TRect room{inside.Left + 1, inside.Top + 1, inside.Right - 1, inside.Bottom - 1};
    int32_t baseline = room.Top + AltPadY + canvas.TextMetrics(font).Ascent;
    canvas.TextOut(font, room.Left + AltPadX, baseline, AltText, mono ? clBlack : font.Color,
                   std::nullopt, room);
}

// A client-side map answers through the map of the document that carries its name.
bool THtmlImage::MapLinkAt(int32_t x, int32_t y, TUrlTarget& link) const {
    if (UseMap.empty()) return false;
    for (const auto& map : Document.MapList)
        if (map->MapName == UseMap) return map->LinkAt(x, y, link);
    return false;
}

}  // namespace codelume
