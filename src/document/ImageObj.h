// What a text block needs of an embedded image: its size after its own layout
// step, its alignment, and that it paints itself where the block says. The
// concrete images live with the other embedded objects.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "base/FreeList.h"
#include "canvas/Canvas.h"
#include "document/Animation.h"
#include "document/MyFont.h"
#include "document/UrlTarget.h"

namespace codelume {

class TSectionList;
class TFormControlObj;

// Vertical alignment; the last two float the image to an edge.
enum TImageAlign : uint8_t { iaTop, iaMiddle, iaBottom, iaLeft, iaRight };

class TImageObj {
public:
    virtual ~TImageObj() = default;

    int32_t StartIndex = 0;  // position of its placeholder byte 4 in the block
    bool InLink = false;     // it stands inside a link
    // Known after LayoutImage: the whole box the image takes in the line, and
    // the space around its border inside that box.
    int32_t ImageWidth = 0;
    int32_t ImageHeight = 0;
    int32_t MarginX = 0;
    int32_t MarginY = 0;
    int32_t Border = 0;  // width of the frame around the picture
    TImageAlign VAlign = iaBottom;
    int32_t HSpace = 5;  // the gap beside a floating image
    bool PercentWidth = false;
    bool IsMap = false;                  // server-side map: a click appends "?x,y" to the link
    TFormControlObj* Control = nullptr;  // set for an image button; owned by its form
    int32_t FloatX = 0;  // offset of a floating image from the left base, set by PlaceFloat
    int32_t DrawX = 0;   // where it was last painted: screen X, document Y
    int32_t DrawY = 0;
    std::optional<TAnimation> Animation;  // for an animated picture, which the document steps
    bool Painted = false;                 // painted since the last layout

    bool IsFloating() const { return VAlign == iaLeft || VAlign == iaRight; }
    // Where the picture inside the border was last painted: screen X, document Y.
    TPoint PictureOrigin() const { return {DrawX + MarginX + Border, DrawY + MarginY + Border}; }
    // The whole box where it was last painted: screen X, document Y.
    TRect PaintedBox() const { return {DrawX, DrawY, DrawX + ImageWidth, DrawY + ImageHeight}; }

    virtual std::unique_ptr<TImageObj> CloneFor(TSectionList& document) const = 0;
    // Learns ImageWidth and ImageHeight for the width available where it stands.
    virtual void LayoutImage(TCanvas& canvas, int32_t availWidth, const TMyFont& font) = 0;
    // Paints with its left at x: a bottom-aligned image stands on the baseline,
    // any other hangs from topY. Both are document Y values (the image takes off
    // the scroll offset itself). Records DrawX and DrawY.
    virtual void Paint(TCanvas& canvas, int32_t x, const TMyFont& font, int32_t baseline,
                       int32_t topY) = 0;
    // A client-side map's link at a point inside the image.
    virtual bool MapLinkAt(int32_t x, int32_t y, TUrlTarget& link) const {
        (void)x, (void)y, (void)link;
        return false;
    }
};

// Images of one block, ordered by start index.
class TImageObjList : public TFreeList<TImageObj> {
public:
    // Distance from index to the next image at or after it, 9999 when there is none.
    int32_t ImageGapAt(int32_t index) const;
    TImageObj* ImageAtIndex(int32_t index) const;
    // The images that start at character indexes first to first + count - 1.
    std::span<const std::unique_ptr<TImageObj>> ImagesIn(int32_t first, int32_t count) const;
};

}  // namespace codelume
