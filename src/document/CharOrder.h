// Finding the parts of a laid-out run that hold a character index. The blocks
// of a cell and the cells of a table take their characters in turn: each
// part's range [FirstIndex, FirstIndex + CharCount] starts where the one
// before it ends, so those that hold an index are found by bisection.
#pragma once

#include <algorithm>
#include <cstdint>

namespace codelume {

// Asks the parts whose range holds index, in order, until one answers.
// rangeOf(part) gives the object that has the part's FirstIndex and CharCount.
template <typename TParts, typename TRangeOf, typename TAsk>
bool AskPartsHolding(const TParts& parts, int32_t index, TRangeOf rangeOf, TAsk ask) {
    auto part = std::partition_point(parts.begin(), parts.end(), [&](const auto& each) {
        return rangeOf(each).FirstIndex + rangeOf(each).CharCount < index;
    });
    for (; part != parts.end() && rangeOf(*part).FirstIndex <= index; ++part)
        if (ask(*part)) return true;
    return false;
}

}  // namespace codelume
