#include <gtest/gtest.h>

#include "document/Animation.h"

namespace codelume {
namespace {

struct TAnimationCase {
    const char* Name;
    std::vector<int32_t> Delays;
    int32_t Plays;
    std::vector<int32_t> Steps;  // milliseconds passed before each look
    std::vector<int32_t> ExpectedFrames;
};

TEST(Animation, ShowsEachFrameForItsOwnDelayAndStopsAfterItsRuns) {
    const TAnimationCase cases[] = {
        {"OwnDelays", {100, 300}, 0, {50, 50, 250, 50, 100}, {0, 1, 1, 0, 1}},
        {"ShortDelaysShowForTheDefault", {0, 10}, 0, {50, 50, 100}, {0, 1, 0}},
        {"CatchesUpAfterAPause", {100, 100, 100}, 0, {250, 50}, {2, 0}},
        {"LongPauseIsHeld", {100, 100}, 0, {2'000'000'000, 50}, {0, 0}},
        {"OneRunEndsOnTheLastFrame", {100, 100}, 1, {100, 100, 1000}, {1, 1, 1}},
        {"TwoRuns", {100, 100}, 2, {100, 100, 100, 100, 500}, {1, 0, 1, 1, 1}},
        {"OneFrameNeverMoves", {100}, 0, {1000}, {0}},
    };
    for (const TAnimationCase& row : cases) {
        SCOPED_TRACE(row.Name);
        TPicture picture;
        picture.FrameDelays = row.Delays;
        picture.Plays = row.Plays;
        TAnimation animation(picture);
        std::vector<int32_t> frames;
        for (int32_t step : row.Steps) {
            int32_t before = animation.Frame();
            bool changed = animation.Advance(step);
            EXPECT_EQ(changed, animation.Frame() != before);
            frames.push_back(animation.Frame());
        }
        EXPECT_EQ(frames, row.ExpectedFrames);
        animation.Reset();
        EXPECT_EQ(animation.Frame(), 0);
    }
}

}  // namespace
}  // namespace codelume
