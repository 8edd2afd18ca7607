// Reading the values of a tag's attributes the way the embedded objects and the
// table reader take them: clamped integers, lengths in pixels or percent,
// colours and alignment words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Colors.h"
#include "document/Attributes.h"

namespace codelume {

// No attribute value grows a layout beyond this many pixels.
constexpr int32_t MaxAttributePixels = 32000;

// A WIDTH or HEIGHT: pixels, or a percentage of the room available.
struct TLength {
    int32_t Value = 0;
    bool Percent = false;
    bool operator==(const TLength&) const = default;
};

// The Value of the attribute held within low..high, or fallback when absent.
int32_t IntAttribute(const TAttributeList& attributes, THtmlSymbol kind, int32_t fallback,
                     int32_t low, int32_t high);
// The length of the attribute (none when absent); a text ending in % is a percentage.
std::optional<TLength> LengthAttribute(const TAttributeList& attributes, THtmlSymbol kind);
// The colour of the attribute with the palette-relative flag, none when absent or unreadable.
std::optional<TColor> ColorAttribute(const TAttributeList& attributes, THtmlSymbol kind);
// The text of the attribute lower-cased and cut to maxLength characters, empty when absent.
std::string LowerText(const TAttributeList& attributes, THtmlSymbol kind, size_t maxLength);
std::string TextAttribute(const TAttributeList& attributes, THtmlSymbol kind);

// Cell ALIGN: 1 left, 2 centre, 3 right, 0 for anything else or none.
int32_t CellAlignOf(const TAttributeList& attributes);
// VALIGN: 0 top (or baseline), 1 middle, 2 bottom, fallback for anything else or none.
int32_t VAlignOf(const TAttributeList& attributes, int32_t fallback);

}  // namespace codelume
