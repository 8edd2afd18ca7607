// Plain values that cross the drawing seam: rectangles, points, fonts, metrics.
#pragma once

#include <cstdint>
#include <string>

#include "base/Colors.h"

namespace codelume {

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const TSize&) const = default;
};

// Right and Bottom are exclusive.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool Contains(int32_t x, int32_t y) const {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    bool Intersects(const TRect& other) const {
        return Left < other.Right && other.Left < Right && Top < other.Bottom && other.Top < Bottom;
    }
    bool operator==(const TRect&) const = default;
};

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

// A font as the canvas takes it: face name, size in points, style bits, colour.
struct TFont {
    std::string Name;
    int32_t Size = 12;
    TFontStyles Style = 0;
    TColor Color = clBlack;
    bool operator==(const TFont&) const = default;
};

struct TTextMetrics {
    int32_t Height = 0;
    int32_t ExternalLeading = 0;
    int32_t Ascent = 0;
    int32_t Descent = 0;
    int32_t Overhang = 0;
};

// Logical units (screen pixels) to device pixels: device = (logical - Origin) * Dpi / LogicalPpi.
struct TMapping {
    int32_t LogicalPpi = 96;
    int32_t DeviceDpiX = 96;
    int32_t DeviceDpiY = 96;
    TPoint Origin;
};

}  // namespace codelume
