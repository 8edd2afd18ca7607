// Column arithmetic of a table grid: width bounds per column, cells that span
// several columns, and fitting the columns into the width a table may take.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace codelume {

// The narrowest and the most comfortable width of a column or a cell.
struct TWidthBounds {
    int32_t Min = 0;
    int32_t Max = 0;
    bool operator==(const TWidthBounds&) const = default;
};

// Adds extra to the targets in proportion to the weights (evenly when every
// weight is 0); the shares always sum to extra exactly.
void ShareOut(std::span<int32_t> targets, std::span<const int32_t> weights, int32_t extra);

// Widens the columns a cell spans, with gap pixels between neighbours, until
// together they hold the cell's bounds.
void SpreadSpanBounds(std::span<TWidthBounds> columns, int32_t gap, TWidthBounds cell);

enum class TFit { UpToMaximum, FillWidth };

// The column widths for a grid whose columns together may take width pixels:
// each column gets its maximum when all maxima fit, its minimum when not even
// the minima fit, and in between a share of the room beyond the minima in
// proportion to how much more each column would like. FillWidth also hands out
// room beyond the maxima, in proportion to them.
std::vector<int32_t> FitColumnWidths(std::span<const TWidthBounds> columns, int32_t width,
                                     TFit fit);

}  // namespace codelume
