#include "objects/MapItem.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "base/Ascii.h"

namespace codelume {

namespace {

constexpr int64_t CoordLimit = 1000000;

TAreaShape ShapeOf(const TAttribute* shape) {
    if (shape == nullptr) return TAreaShape::Rect;
    std::string text = UpperAscii(std::string_view(shape->Text).substr(0, 7));
    if (text.starts_with("CIRC")) return TAreaShape::Circle;
    if (text.starts_with("POLY")) return TAreaShape::Poly;
    if (text.starts_with("DEF")) return TAreaShape::Default;
    return TAreaShape::Rect;
}

// Reads one signed number at position i and returns where it stopped.
size_t ScanNumber(std::string_view text, size_t i, std::vector<int32_t>& numbers) {
    bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), CoordLimit);
    numbers.push_back(static_cast<int32_t>(negative ? -value : value));
    return i;
}

bool IsNumberStart(std::string_view text, size_t i) {
    auto isDigit = [&](size_t k) {
        return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]));
    };
    return isDigit(i) || ((text[i] == '-' || text[i] == '+') && isDigit(i + 1));
}

// Even-odd rule over the polygon of the coordinate pairs.
bool PolygonContains(const std::vector<int32_t>& coords, int64_t x, int64_t y) {
    size_t corners = coords.size() / 2;
    bool inside = false;
    for (size_t i = 0, j = corners - 1; i < corners; j = i++) {
        int64_t xi = coords[2 * i], yi = coords[2 * i + 1];
        int64_t xj = coords[2 * j], yj = coords[2 * j + 1];
        if ((yi > y) == (yj > y)) continue;
        // Is the point left of the edge where the edge crosses its height?
        int64_t lhs = (x - xi) * (yj - yi), rhs = (xj - xi) * (y - yi);
        if (yj > yi ? lhs < rhs : lhs > rhs) inside = !inside;
    }
    return inside;
}

}  // namespace

std::vector<int32_t> ParseCoords(std::string_view text) {
    std::vector<int32_t> numbers;
    size_t i = 0;
    while (i < text.size()) i = IsNumberStart(text, i) ? ScanNumber(text, i, numbers) : i + 1;
    return numbers;
}

bool TMapArea::Contains(int32_t x, int32_t y) const {
    const std::vector<int32_t>& c = Coords;
    switch (Shape) {
        case TAreaShape::Default:
            return true;
        case TAreaShape::Rect:
            return c.size() >= 4 && x >= std::min(c[0], c[2]) && x < std::max(c[0], c[2]) &&
                   y >= std::min(c[1], c[3]) && y < std::max(c[1], c[3]);
        case TAreaShape::Circle: {
            if (c.size() < 3) return false;
            int64_t dx = int64_t{x} - c[0], dy = int64_t{y} - c[1];
            return dx * dx + dy * dy <= int64_t{c[2]} * c[2];
        }
        case TAreaShape::Poly:
            return c.size() >= 6 && PolygonContains(c, x, y);
    }
    return false;
}

void TMapItem::AddArea(const TAttributeList& attributes) {
    TMapArea area;
    area.Shape = ShapeOf(attributes.Find(ShapeSy));
    if (const TAttribute* coords = attributes.Find(CoordsSy))
        area.Coords = ParseCoords(coords->Text);
    if (const TAttribute* href = attributes.Find(HrefSy)) area.Link.Url = href->Text;
    if (const TAttribute* target = attributes.Find(TargetSy)) area.Link.Target = target->Text;
    area.NoHref = attributes.Find(NoHrefSy) != nullptr;
    Areas.push_back(std::move(area));
}

bool TMapItem::LinkAt(int32_t x, int32_t y, TUrlTarget& link) const {
    auto hit = std::find_if(Areas.begin(), Areas.end(),
                            [&](const TMapArea& a) { return a.Contains(x, y); });
    if (hit == Areas.end() || hit->NoHref || !hit->Link.IsLink()) return false;
    link = hit->Link;
    return true;
}

}  // namespace codelume
