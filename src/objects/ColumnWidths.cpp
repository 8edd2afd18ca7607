#include "objects/ColumnWidths.h"

#include <algorithm>
#include <numeric>

#include "base/Arith.h"

namespace codelume {

namespace {

int64_t SumOf(std::span<const int32_t> values) {
    return std::accumulate(values.begin(), values.end(), int64_t{0});
}

std::vector<int32_t> Mins(std::span<const TWidthBounds> columns) {
    std::vector<int32_t> mins;
    for (const TWidthBounds& column : columns) mins.push_back(column.Min);
    return mins;
}

std::vector<int32_t> Maxes(std::span<const TWidthBounds> columns) {
    std::vector<int32_t> maxes;
    for (const TWidthBounds& column : columns) maxes.push_back(column.Max);
    return maxes;
}

// The width the columns and the gaps between them cover together.
int64_t SpanWidth(std::span<const int32_t> values, int32_t gap) {
    return SumOf(values) + int64_t{gap} * (static_cast<int64_t>(values.size()) - 1);
}

}  // namespace

void ShareOut(std::span<int32_t> targets, std::span<const int32_t> weights, int32_t extra) {
    int64_t total = SumOf(weights);
    bool even = total <= 0;
    if (even) total = static_cast<int64_t>(targets.size());
    int64_t weightSoFar = 0;
    int64_t givenSoFar = 0;
    // Rounding the running total rather than each share keeps the sum exact.
    for (size_t i = 0; i < targets.size(); ++i) {
        weightSoFar += even ? 1 : std::max(weights[i], 0);
        int64_t given = extra * weightSoFar / total;
        targets[i] = CheckedAdd(targets[i], CheckedNarrow(given - givenSoFar));
        givenSoFar = given;
    }
}

void SpreadSpanBounds(std::span<TWidthBounds> columns, int32_t gap, TWidthBounds cell) {
    std::vector<int32_t> mins = Mins(columns);
    std::vector<int32_t> maxes = Maxes(columns);
    int64_t minWidth = SpanWidth(mins, gap);
    if (cell.Min > minWidth) ShareOut(mins, maxes, CheckedNarrow(cell.Min - minWidth));
    int64_t maxWidth = SpanWidth(maxes, gap);
    if (cell.Max > maxWidth)
        ShareOut(maxes, std::vector<int32_t>(maxes), CheckedNarrow(cell.Max - maxWidth));
    for (size_t i = 0; i < columns.size(); ++i) columns[i] = {mins[i], std::max(mins[i], maxes[i])};
}

std::vector<int32_t> FitColumnWidths(std::span<const TWidthBounds> columns, int32_t width,
                                     TFit fit) {
    std::vector<int32_t> mins = Mins(columns);
    std::vector<int32_t> maxes = Maxes(columns);
    int64_t sumMin = SumOf(mins);
    int64_t sumMax = SumOf(maxes);
    if (width >= sumMax) {
        if (fit == TFit::FillWidth && width > sumMax)
            ShareOut(maxes, std::vector<int32_t>(maxes), CheckedNarrow(width - sumMax));
        return maxes;
    }
    if (width <= sumMin) return mins;
    std::vector<int32_t> wishes;
    for (size_t i = 0; i < columns.size(); ++i) wishes.push_back(maxes[i] - mins[i]);
    ShareOut(mins, wishes, CheckedNarrow(width - sumMin));
    return mins;
}

}  // namespace codelume
