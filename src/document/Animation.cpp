#include "document/Animation.h"

#include <algorithm>

namespace codelume {

namespace {

// A pause longer than this (a busy window, a suspended machine) counts as this
// long, so that catching up stays a short loop.
constexpr int32_t LongestStep = 10000;

}  // namespace

void TAnimation::Reset() {
    FFrame = 0;
    Shown = 0;
    Runs = 0;
}

int32_t TAnimation::DelayOf(int32_t frame) const {
    int32_t delay = Picture->FrameDelays[static_cast<size_t>(frame)];
    return delay < ShortestDelay ? DefaultDelay : delay;
}

bool TAnimation::Advance(int32_t elapsed) {
    if (!Picture->IsAnimated() || IsFinished()) return false;
    int32_t before = FFrame;
    Shown += std::clamp(elapsed, 0, LongestStep);
    while (Shown >= DelayOf(FFrame)) {
        Shown -= DelayOf(FFrame);
        if (FFrame + 1 == Picture->FrameCount()) {
            ++Runs;
            if (IsFinished()) break;  // the last frame stays
        }
        FFrame = (FFrame + 1) % Picture->FrameCount();
    }
    return FFrame != before;
}

}  // namespace codelume
