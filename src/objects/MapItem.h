// A client-side image map: the areas of one MAP element, each a shape with the
// link it leads to. Owned by the document's map list.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "document/Attributes.h"
#include "document/FormControl.h"
#include "document/UrlTarget.h"

namespace codelume {

enum class TAreaShape : uint8_t { Rect, Circle, Poly, Default };

struct TMapArea {
    TAreaShape Shape = TAreaShape::Rect;
    std::vector<int32_t> Coords;
    TUrlTarget Link;
    bool NoHref = false;  // the area is a hole: a click there leads nowhere

    bool Contains(int32_t x, int32_t y) const;
};

class TMapItem : public TMapBase {
public:
    // Builds one area from the SHAPE, COORDS, HREF, TARGET and NOHREF of an AREA tag.
    void AddArea(const TAttributeList& attributes);
    // The link of the first area that holds the point; false when none or a hole does.
    bool LinkAt(int32_t x, int32_t y, TUrlTarget& link) const override;

    std::vector<TMapArea> Areas;
};

// The numbers of a COORDS text, separated by commas or spaces; each is held
// within plus or minus a million pixels.
std::vector<int32_t> ParseCoords(std::string_view text);

}  // namespace codelume
