// A table cell and a table row. A cell object owns the cell its blocks are read
// into; a row owns its cell objects in reading order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/FreeList.h"
#include "document/Attributes.h"
#include "document/Cell.h"
#include "objects/AttributeValues.h"

namespace codelume {

class TSectionList;

// Vertical place of a cell's content in its row.
enum TCellVAlign : uint8_t { cvTop, cvMiddle, cvBottom };

class TCellObj {
public:
    // Reads COLSPAN, ROWSPAN, WIDTH, BGCOLOR and BACKGROUND; vAlign is the cell's VALIGN as
    // the reader resolved it against its row.
    TCellObj(TSectionList& document, const TAttributeList& attributes, int32_t vAlign);
    TCellObj(TSectionList& document, const TCellObj& source);

    TCell Cell;
    int32_t ColSpan = 1;
    int32_t RowSpan = 1;
    TCellVAlign VAlign = cvMiddle;
    std::optional<TLength> SpecWidth;
    std::optional<TColor> BgColor;
    std::string Background;  // the picture tiled behind the cell's blocks
};

class TCellList : public TFreeList<TCellObj> {
public:
    TCellList() = default;
    // A TR's own attributes: the background colour and picture its cells take
    // when they give none.
    explicit TCellList(const TAttributeList& attributes)
        : BgColor(ColorAttribute(attributes, BgColorSy)),
          Background(TextAttribute(attributes, BackgroundSy)) {}
    TCellList(TSectionList& document, const TCellList& source);

    std::optional<TColor> BgColor;
    std::string Background;
};

}  // namespace codelume
