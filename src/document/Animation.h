// Which frame of an animated picture shows. Each frame stays for its own
// delay; an animation that runs a given number of times stops on its last
// frame. Borrows the picture, which the document's cache keeps.
#pragma once

#include <cstdint>

#include "canvas/Picture.h"

namespace codelume {

class TAnimation {
public:
    explicit TAnimation(const TPicture& picture) : Picture(&picture) {}

    int32_t Frame() const { return FFrame; }
    void Reset();
    // Lets elapsed milliseconds pass; true when another frame shows.
    bool Advance(int32_t elapsed);

    // A frame that asks for less than this shows for DefaultDelay instead, as
    // pictures that give 0 expect.
    static constexpr int32_t ShortestDelay = 20;
    static constexpr int32_t DefaultDelay = 100;

private:
    int32_t DelayOf(int32_t frame) const;
    bool IsFinished() const { return Picture->Plays > 0 && Runs >= Picture->Plays; }

    const TPicture* Picture;
    int32_t FFrame = 0;
    int32_t Shown = 0;  // how long the current frame has shown
    int32_t Runs = 0;   // complete runs through the frames
};

}  // namespace codelume
