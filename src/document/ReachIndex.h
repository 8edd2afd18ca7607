// Where the items of a vertical run stood at the last layout: the blocks of a
// cell, the cells of a table. Items go down in layout order, but a tall one
// (a float, a cell spanning rows) may reach below those after it, so each
// item keeps its reach, the lowest bottom of it and every item before it.
// Tops and reaches never go up, so the items a band meets are found by
// bisection, whatever the length of the run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace codelume {

class TReachIndex {
public:
    void Clear() { Spans.clear(); }
    // Items come in layout order; a top above an earlier one is an error.
    void Add(int32_t top, int32_t bottom);
    size_t Count() const { return Spans.size(); }
    int32_t Top(size_t item) const { return Spans[item].Top; }

    // The first item that reaches below offset: every item before it ends at
    // or above offset.
    size_t FirstReaching(int64_t offset) const;
    // The first item that starts at or below offset: every item from it on
    // starts there or lower.
    size_t FirstStarting(int64_t offset) const;

private:
    struct TSpan {
        int32_t Top;
        int32_t Reach;
    };
    std::vector<TSpan> Spans;
};

}  // namespace codelume
