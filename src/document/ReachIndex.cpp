#include "document/ReachIndex.h"

#include <algorithm>
#include <cassert>

namespace codelume {

void TReachIndex::Add(int32_t top, int32_t bottom) {
    assert(Spans.empty() || top >= Spans.back().Top);
    int32_t reach = Spans.empty() ? bottom : std::max(bottom, Spans.back().Reach);
    Spans.push_back({top, reach});
}

size_t TReachIndex::FirstReaching(int64_t offset) const {
    auto first = std::partition_point(Spans.begin(), Spans.end(),
                                      [offset](const TSpan& span) { return span.Reach <= offset; });
    return static_cast<size_t>(first - Spans.begin());
}

size_t TReachIndex::FirstStarting(int64_t offset) const {
    auto first = std::partition_point(Spans.begin(), Spans.end(),
                                      [offset](const TSpan& span) { return span.Top < offset; });
    return static_cast<size_t>(first - Spans.begin());
}

}  // namespace codelume
