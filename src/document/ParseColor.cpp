#include "document/ParseColor.h"

#include <cstdint>
#include <string>

#include "base/Ascii.h"

namespace codelume {

namespace {

struct TNamedColor {
    const char* Name;
    uint32_t Rgb;
};

constexpr TNamedColor ColorNames[] = {
    {"BLACK", 0x000000},  {"MAROON", 0x800000},  {"GREEN", 0x008000}, {"OLIVE", 0x808000},
    {"NAVY", 0x000080},   {"PURPLE", 0x800080},  {"TEAL", 0x008080},  {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0}, {"RED", 0xFF0000},     {"LIME", 0x00FF00},  {"YELLOW", 0xFFFF00},
    {"BLUE", 0x0000FF},   {"FUCHSIA", 0xFF00FF}, {"AQUA", 0x00FFFF},  {"WHITE", 0xFFFFFF},
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads the whole text as a hexadecimal number of at most 32 bits.
bool ReadHex(std::string_view text, uint32_t& number) {
    if (text.empty()) return false;
    uint64_t value = 0;
    for (char c : text) {
        int digit = HexDigit(c);
        if (digit < 0) return false;
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX) return false;
    }
    number = static_cast<uint32_t>(value);
    return true;
}

TColor FromRgb(uint32_t rgb) {
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

}  // namespace

bool ParseColor(std::string_view text, TColor& color) {
    if (text.empty()) return false;
    std::string upper = UpperAscii(text.substr(0, 10));
    for (const TNamedColor& named : ColorNames)
        if (upper == named.Name) {
            color = FromRgb(named.Rgb);
            return true;
        }
    std::string digits(text);
    if (auto hash = digits.find('#'); hash != std::string::npos) digits.erase(hash, 1);
    uint32_t rgb = 0;
    if (!ReadHex(digits, rgb)) return false;
    color = FromRgb(rgb);
    return true;
}

}  // namespace codelume
