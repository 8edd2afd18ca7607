#include "objects/CellObj.h"

#include <algorithm>
#include <memory>

namespace codelume {

// A span wider than any table allowed is as good as this one: the table is
// refused at layout either way.
constexpr int32_t MaxSpan = 1000;

TCellObj::TCellObj(TSectionList& document, const TAttributeList& attributes, int32_t vAlign)
    : Cell(document),
      ColSpan(IntAttribute(attributes, ColSpanSy, 1, 1, MaxSpan)),
      RowSpan(IntAttribute(attributes, RowSpanSy, 1, 1, MaxSpan)),
      VAlign(static_cast<TCellVAlign>(std::clamp(vAlign, 0, 2))),
      SpecWidth(LengthAttribute(attributes, WidthSy)),
      BgColor(ColorAttribute(attributes, BgColorSy)),
      Background(TextAttribute(attributes, BackgroundSy)) {}

TCellObj::TCellObj(TSectionList& document, const TCellObj& source)
    : Cell(document, source.Cell),
      ColSpan(source.ColSpan),
      RowSpan(source.RowSpan),
      VAlign(source.VAlign),
      SpecWidth(source.SpecWidth),
      BgColor(source.BgColor),
      Background(source.Background) {}

TCellList::TCellList(TSectionList& document, const TCellList& source)
    : BgColor(source.BgColor), Background(source.Background) {
    for (const auto& cell : source) Add(std::make_unique<TCellObj>(document, *cell));
}

}  // namespace codelume
