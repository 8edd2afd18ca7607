// Lookups of the image and control lists of a text block by character index.
#include <algorithm>

#include "document/FormControl.h"
#include "document/ImageObj.h"

namespace codelume {

namespace {

// The answer when no object follows; it keeps the piece logic free of special cases.
constexpr int32_t NoObjectAhead = 9999;

// Objects are appended in reading order, so the lists are ordered by start index.
template <typename TList>
auto FirstAtOrAfter(const TList& list, int32_t index) {
    return std::lower_bound(list.begin(), list.end(), index,
                            [](const auto& object, int32_t i) { return object->StartIndex < i; });
}

template <typename TList>
int32_t GapToNext(const TList& list, int32_t index) {
    auto next = FirstAtOrAfter(list, index);
    return next == list.end() ? NoObjectAhead : (*next)->StartIndex - index;
}

template <typename TList>
auto ObjectAt(const TList& list, int32_t index) -> decltype(&*list[0]) {
    auto next = FirstAtOrAfter(list, index);
    return next != list.end() && (*next)->StartIndex == index ? &**next : nullptr;
}

template <typename TList>
auto ObjectsIn(const TList& list, int32_t first, int32_t count) {
    return std::span(FirstAtOrAfter(list, first), FirstAtOrAfter(list, first + count));
}

}  // namespace

int32_t TImageObjList::ImageGapAt(int32_t index) const { return GapToNext(*this, index); }

TImageObj* TImageObjList::ImageAtIndex(int32_t index) const { return ObjectAt(*this, index); }

int32_t TFormControlList::ControlGapAt(int32_t index) const { return GapToNext(*this, index); }

TFormControlObj* TFormControlList::ControlAtIndex(int32_t index) const {
    return ObjectAt(*this, index);
}

std::span<const std::unique_ptr<TImageObj>> TImageObjList::ImagesIn(int32_t first,
                                                                    int32_t count) const {
    return ObjectsIn(*this, first, count);
}

std::span<TFormControlObj* const> TFormControlList::ControlsIn(int32_t first, int32_t count) const {
    return ObjectsIn(*this, first, count);
}

}  // namespace codelume
