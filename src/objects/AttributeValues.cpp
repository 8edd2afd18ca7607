#include "objects/AttributeValues.h"

#include <algorithm>

#include "base/Ascii.h"
#include "document/ParseColor.h"

namespace codelume {

int32_t IntAttribute(const TAttributeList& attributes, THtmlSymbol kind, int32_t fallback,
                     int32_t low, int32_t high) {
    const TAttribute* attribute = attributes.Find(kind);
    return attribute ? std::clamp(attribute->Value, low, high) : fallback;
}

std::optional<TLength> LengthAttribute(const TAttributeList& attributes, THtmlSymbol kind) {
    const TAttribute* attribute = attributes.Find(kind);
    if (attribute == nullptr) return std::nullopt;
    bool percent = attribute->Text.ends_with('%');
    return TLength{std::clamp(attribute->Value, -MaxAttributePixels, MaxAttributePixels), percent};
}

std::optional<TColor> ColorAttribute(const TAttributeList& attributes, THtmlSymbol kind) {
    const TAttribute* attribute = attributes.Find(kind);
    TColor color = 0;
    if (attribute == nullptr || !ParseColor(attribute->Text, color)) return std::nullopt;
    return color | PaletteRelative;
}

std::string LowerText(const TAttributeList& attributes, THtmlSymbol kind, size_t maxLength) {
    return LowerAscii(std::string_view(TextAttribute(attributes, kind)).substr(0, maxLength));
}

std::string TextAttribute(const TAttributeList& attributes, THtmlSymbol kind) {
    const TAttribute* attribute = attributes.Find(kind);
    return attribute ? attribute->Text : std::string();
}

int32_t CellAlignOf(const TAttributeList& attributes) {
    std::string text = LowerText(attributes, AlignSy, 9);
    if (text == "left") return 1;
    if (text == "center") return 2;
    if (text == "right") return 3;
    return 0;
}

int32_t VAlignOf(const TAttributeList& attributes, int32_t fallback) {
    std::string text = LowerText(attributes, VAlignSy, 9);
    if (text == "top" || text == "baseline") return 0;
    if (text == "middle") return 1;
    if (text == "bottom") return 2;
    return fallback;
}

}  // namespace codelume
