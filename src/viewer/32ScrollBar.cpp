#include "viewer/32ScrollBar.h"

#include <algorithm>

namespace codelume {

T32ScrollBar::T32ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setFocusPolicy(Qt::NoFocus);
    setRange(0, 0);
}

void T32ScrollBar::SetParams(int32_t min, int32_t max, int32_t pageSize, int32_t position) {
    if (min == FMin && max == FMax && pageSize == FPageSize && position == FPosition) return;
    FMin = min;
    FMax = max;
    FPageSize = pageSize;
    FPosition = position;
    // Qt's maximum is the last position; its page step sizes the thumb.
    int64_t last = std::max<int64_t>(min, int64_t{max} - std::max(pageSize, 1) + 1);
    QSignalBlocker quiet(this);
    setRange(min, static_cast<int>(last));
    setPageStep(std::max(pageSize, 1));
    setValue(position);
}

void T32ScrollBar::SetSmallChange(int32_t change) {
    FSmallChange = change;
    setSingleStep(change);
}

int32_t T32ScrollBar::ActionTarget(int action, int32_t bottom) const {
    switch (action) {
        case SliderSingleStepAdd:
            return FPosition + FSmallChange;
        case SliderSingleStepSub:
            return FPosition - FSmallChange;
        case SliderPageStepAdd:
            return FPosition + FLargeChange;
        case SliderPageStepSub:
            return FPosition - FLargeChange;
        case SliderToMinimum:
            return 0;
        case SliderToMaximum:
            return bottom;
        case SliderMove:
            return sliderPosition();
        default:
            return FPosition;
    }
}

}  // namespace codelume
