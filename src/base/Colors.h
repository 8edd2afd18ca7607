// Colours are 32-bit values laid out 0x00BBGGRR. System colours carry the high
// bit and an index; document colours carry the palette-relative flag.
#pragma once

#include <cstdint>

namespace codelume {

using TColor = uint32_t;

constexpr TColor PaletteRelative = 0x2000000;
constexpr TColor SystemColorFlag = 0x80000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clWindow = SystemColorFlag | 5;
constexpr TColor clWindowText = SystemColorFlag | 8;
constexpr TColor clHighlight = SystemColorFlag | 13;
constexpr TColor clHighlightText = SystemColorFlag | 14;
constexpr TColor clBtnFace = SystemColorFlag | 15;
constexpr TColor clBtnShadow = SystemColorFlag | 16;
constexpr TColor clGrayText = SystemColorFlag | 17;
constexpr TColor clBtnText = SystemColorFlag | 18;
constexpr TColor clBtnHighlight = SystemColorFlag | 20;

constexpr bool IsSystemColor(TColor color) { return (color & SystemColorFlag) != 0; }

}  // namespace codelume
