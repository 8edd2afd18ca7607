#include "objects/FrameLayout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace codelume {

namespace {

using TUnit = TFrameSize::TUnit;

struct TBorder {
    bool Shown = true;
    int32_t Width = DefaultFrameBorder;
    std::optional<TColor> Color;
};

struct TSpan {
    int32_t Start = 0;
    int32_t End = 0;
};

int64_t Sum(const std::vector<int64_t>& values) {
    return std::accumulate(values.begin(), values.end(), int64_t{0});
}

// Parts of total in proportion to weights that add up to total exactly: each
// part ends where the running sum of the weights, scaled, rounds to. Weights
// that are all zero count as equal.
std::vector<int64_t> Proportional(std::vector<int64_t> weights, int64_t total) {
    if (Sum(weights) == 0) std::fill(weights.begin(), weights.end(), 1);
    double scale = static_cast<double>(total) / static_cast<double>(Sum(weights));
    std::vector<int64_t> parts(weights.size());
    int64_t running = 0;
    int64_t done = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        running += weights[i];
        int64_t end =
            i + 1 == weights.size() ? total : std::llround(static_cast<double>(running) * scale);
        parts[i] = end - done;
        done = end;
    }
    return parts;
}

int64_t AskedLength(const TFrameSize& size, int32_t length) {
    switch (size.Unit) {
        case TUnit::Pixels:
            return size.Value;
        case TUnit::Percent:
            return int64_t{size.Value} * length / 100;
        case TUnit::Relative:
            break;
    }
    return 0;
}

// The border of a set: its own FRAMEBORDER, BORDER and BORDERCOLOR, or those around it.
TBorder BorderOf(const TSubFrameSet& set, TBorder outer) {
    if (set.FrameBorder) outer.Shown = *set.FrameBorder;
    if (set.BorderSize >= 0) outer.Width = set.BorderSize;
    if (set.BorderColor) outer.Color = set.BorderColor;
    return outer;
}

// The spans of the entries from start to end, a gap apart; gaps that would
// not leave the entries a pixel are dropped.
std::vector<TSpan> Spans(const std::vector<TFrameSize>& sizes, int32_t start, int32_t end,
                         int32_t gap) {
    int32_t room = std::max(0, end - start);
    int64_t count = std::max<int64_t>(static_cast<int64_t>(sizes.size()), 1);
    if (gap * (count - 1) >= room) gap = 0;
    int32_t free = room - static_cast<int32_t>(gap * (count - 1));
    std::vector<TSpan> spans;
    int32_t position = start;
    for (int32_t length : DivideFrameLength(sizes, free)) {
        spans.push_back({position, position + length});
        position += length + gap;
    }
    return spans;
}

class TArranger {
public:
    explicit TArranger(int32_t maxFrames)
        : MaxFrames(static_cast<size_t>(std::max(maxFrames, 0))) {}

    void Arrange(const TSubFrameSet& set, const TRect& room, TBorder outer);
    TFrameArrangement Result;

private:
    void AddBorders(const std::vector<TSpan>& cols, const std::vector<TSpan>& rows,
                    const TRect& room, std::optional<TColor> color);

    size_t MaxFrames;
};

void TArranger::Arrange(const TSubFrameSet& set, const TRect& room, TBorder outer) {
    TBorder border = BorderOf(set, outer);
    int32_t gap = border.Shown ? border.Width : 0;
    std::vector<TSpan> cols = Spans(set.Cols, room.Left, room.Right, gap);
    std::vector<TSpan> rows = Spans(set.Rows, room.Top, room.Bottom, gap);
    AddBorders(cols, rows, room, border.Color);
    size_t divisions = std::min(cols.size() * rows.size(), set.Children.size());
    for (size_t i = 0; i < divisions; ++i) {
        const TSpan& col = cols[i % cols.size()];
        const TSpan& row = rows[i / cols.size()];
        TRect rect{col.Start, row.Start, col.End, row.End};
        const TSubFrameSet::TChild& child = set.Children[i];
        if (child.Set)
            Arrange(*child.Set, rect, border);
        else if (Result.Frames.size() < MaxFrames)
            Result.Frames.push_back({child.Frame.get(), rect});
    }
}

void TArranger::AddBorders(const std::vector<TSpan>& cols, const std::vector<TSpan>& rows,
                           const TRect& room, std::optional<TColor> color) {
    for (size_t i = 1; i < cols.size(); ++i)
        if (cols[i - 1].End < cols[i].Start)
            Result.Borders.push_back(
                {{cols[i - 1].End, room.Top, cols[i].Start, room.Bottom}, color});
    for (size_t i = 1; i < rows.size(); ++i)
        if (rows[i - 1].End < rows[i].Start)
            Result.Borders.push_back(
                {{room.Left, rows[i - 1].End, room.Right, rows[i].Start}, color});
}

}  // namespace

std::vector<int32_t> DivideFrameLength(const std::vector<TFrameSize>& sizes, int32_t length) {
    length = std::max(length, 0);
    if (sizes.empty()) return {length};
    std::vector<int64_t> asked;
    std::vector<int64_t> weights;
    for (const TFrameSize& size : sizes) {
        asked.push_back(AskedLength(size, length));
        weights.push_back(size.Unit == TUnit::Relative ? size.Value : 0);
    }
    int64_t rest = length - Sum(asked);
    if (rest > 0 && Sum(weights) > 0) {
        std::vector<int64_t> shares = Proportional(weights, rest);
        for (size_t i = 0; i < asked.size(); ++i) asked[i] += shares[i];
    }
    if (Sum(asked) != length) asked = Proportional(asked, length);
    std::vector<int32_t> lengths(asked.size());
    std::transform(asked.begin(), asked.end(), lengths.begin(),
                   [](int64_t part) { return static_cast<int32_t>(part); });  // each within length
    return lengths;
}

TFrameArrangement ArrangeFrames(const TFrameSet& set, const TRect& room, int32_t maxFrames) {
    TArranger arranger(maxFrames);
    arranger.Arrange(set, room, TBorder{});
    return arranger.Result;
}

}  // namespace codelume
