#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Attributes.h"
#include "objects/MapItem.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;

TEST(ParseCoords, ReadsSignedNumbersBetweenAnySeparators) {
    EXPECT_THAT(ParseCoords("1,2, 30 ,-4"), ElementsAre(1, 2, 30, -4));
    EXPECT_THAT(ParseCoords(" x+5;;6-"), ElementsAre(5, 6));
    EXPECT_THAT(ParseCoords("99999999999999"), ElementsAre(1000000));
}

TEST(MapItem, FirstAreaThatHoldsThePointGivesTheLink) {
    TMapItem map;
    map.AddArea(Attributes({{ShapeSy, "rect"}, {CoordsSy, "0,0,10,10"}, {NoHrefSy, ""}}));
    map.AddArea(Attributes(
        {{ShapeSy, "poly"}, {CoordsSy, "0,0,40,0,0,40"}, {HrefSy, "tri.htm"}, {TargetSy, "main"}}));
    map.AddArea(Attributes({{ShapeSy, "default"}, {HrefSy, "all.htm"}}));
    const std::pair<TPoint, const char*> cases[] = {
        {{5, 5}, ""},  // the hole comes first
        {{15, 15}, "tri.htm"},
        {{30, 30}, "all.htm"},  // beyond the diagonal
    };
    for (const auto& [point, url] : cases) {
        SCOPED_TRACE(url);
        TUrlTarget link;
        EXPECT_EQ(map.LinkAt(point.X, point.Y, link), *url != 0);
        EXPECT_EQ(link.Url, url);
    }
    TUrlTarget link;
    map.LinkAt(15, 15, link);
    EXPECT_EQ(link.Target, "main");
}

TEST(MapArea, ShapesWithTooFewCoordinatesHoldNothing) {
    TMapArea circle{TAreaShape::Circle, {5, 5}, {"c", ""}, false};
    EXPECT_FALSE(circle.Contains(5, 5));
    TMapArea rect{TAreaShape::Rect, {10, 10, 0, 0}, {"r", ""}, false};
    EXPECT_TRUE(rect.Contains(0, 0));
    EXPECT_FALSE(rect.Contains(10, 10));
}

}  // namespace
}  // namespace codelume
