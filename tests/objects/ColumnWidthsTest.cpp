#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "objects/ColumnWidths.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;

TEST(ShareOut, SplitsInProportionAndKeepsTheSumExact) {
    std::vector<int32_t> targets{0, 0, 0};
    ShareOut(targets, std::vector<int32_t>{1, 1, 1}, 10);
    EXPECT_THAT(targets, ElementsAre(3, 3, 4));
    std::vector<int32_t> weighted{5, 5};
    ShareOut(weighted, std::vector<int32_t>{30, 10}, 8);
    EXPECT_THAT(weighted, ElementsAre(11, 7));
}

TEST(ShareOut, SplitsEvenlyWhenNoColumnHasWeight) {
    std::vector<int32_t> targets{2, 2};
    ShareOut(targets, std::vector<int32_t>{0, 0}, 5);
    EXPECT_THAT(targets, ElementsAre(4, 5));
}

TEST(SpreadSpanBounds, WidensTheSpannedColumnsOnlyWhereTheyFallShort) {
    std::vector<TWidthBounds> columns{{8, 8}, {8, 24}};
    SpreadSpanBounds(columns, 2, {50, 30});
    // minima 8 + 2 + 8 fall 32 short, shared by the maxima 8 : 24; the maxima
    // with their gap already give 34 of the 30 wished for.
    EXPECT_THAT(columns, ElementsAre(TWidthBounds{16, 16}, TWidthBounds{32, 32}));
}

struct TFitCase {
    const char* Name;
    std::vector<TWidthBounds> Columns;
    int32_t Width;
    TFit Fit;
    std::vector<int32_t> Expected;
};

TEST(FitColumnWidths, Cases) {
    const TFitCase cases[] = {
        {"MaximaFit", {{10, 40}, {20, 30}}, 100, TFit::UpToMaximum, {40, 30}},
        {"MaximaStretchedToAGivenWidth", {{10, 40}, {20, 20}}, 90, TFit::FillWidth, {60, 30}},
        {"NotEvenTheMinimaFit", {{10, 40}, {20, 30}}, 20, TFit::UpToMaximum, {10, 20}},
        {"RoomBeyondTheMinimaByWish", {{10, 40}, {20, 30}}, 50, TFit::UpToMaximum, {25, 25}},
        {"AColumnAtItsMaximumWantsNoMore", {{16, 40}, {32, 32}}, 60, TFit::FillWidth, {28, 32}},
        {"NoColumns", {}, 100, TFit::FillWidth, {}},
    };
    for (const TFitCase& row : cases) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(FitColumnWidths(row.Columns, row.Width, row.Fit), row.Expected);
    }
}

}  // namespace
}  // namespace codelume
