#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Attributes.h"
#include "objects/FrameLayout.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct TDivideCase {
    const char* Name;
    const char* List;
    int32_t Length;
    std::vector<int32_t> Expected;
};

TEST(DivideFrameLength, AddsUpToTheLength) {
    const TDivideCase cases[] = {
        {"PixelsAsAsked", "100,200", 300, {100, 200}},
        {"PercentOfTheLength", "25%,75%", 400, {100, 300}},
        {"StarsShareTheRestByWeight", "100,*,2*", 400, {100, 100, 200}},
        {"PercentThenStar", "50%,*", 300, {150, 150}},
        {"TooMuchIsTakenInProportion", "300,100,*", 200, {150, 50, 0}},
        {"TooLittleIsGivenInProportion", "100,300", 800, {200, 600}},
        {"ZeroWeightStarGetsNothing", "0*,100", 300, {0, 300}},
        {"NothingAskedIsSharedEqually", "0,0,0", 10, {3, 4, 3}},
        {"RoundingKeepsTheSum", "*,*,*", 100, {33, 34, 33}},
        {"EmptyListIsTheWholeLength", "", 300, {300}},
        {"NoRoomGivesNothing", "*,40", -5, {0, 0}},
    };
    for (const TDivideCase& row : cases) {
        SCOPED_TRACE(row.Name);
        EXPECT_THAT(DivideFrameLength(ParseFrameSizes(row.List), row.Length),
                    ElementsAreArray(row.Expected));
    }
}

TEST(DivideFrameLength, HostileListsStayBounded) {
    std::string list = "32000%";
    for (int i = 0; i < 5000; ++i) list += ",9999999*";
    std::vector<int32_t> lengths = DivideFrameLength(ParseFrameSizes(list), 1000);
    ASSERT_EQ(lengths.size(), MaxFrameSizes);
    EXPECT_EQ(lengths[0], 1000);
}

// The frame names in arrangement order, and their rectangles.
std::vector<std::string> Names(const TFrameArrangement& arrangement) {
    std::vector<std::string> names;
    for (const TFrameRoom& room : arrangement.Frames) names.push_back(room.Frame->Name);
    return names;
}

std::vector<TRect> Rects(const TFrameArrangement& arrangement) {
    std::vector<TRect> rects;
    for (const TFrameRoom& room : arrangement.Frames) rects.push_back(room.Rect);
    return rects;
}

void AddFrames(TSubFrameSet& set, std::initializer_list<const char*> names) {
    for (const char* name : names) set.AddFrame(Attributes({{NameSy, name}}), "/doc/index.htm");
}

TEST(ArrangeFrames, NestedRowsInsidePercentColumns) {
    // Columns of 796 pixels after the 4-pixel border: 159 and 637; the rows
    // of the left column 178 and 418 of 596.
    TFrameSet set;
    set.ReadAttributes(Attributes({{ColsSy, "20%,80%"}}));
    TSubFrameSet& left = set.AddChildSet();
    left.ReadAttributes(Attributes({{RowsSy, "30%,70%"}}));
    AddFrames(left, {"packages", "classes"});
    AddFrames(set, {"main"});
    TFrameArrangement arrangement = ArrangeFrames(set, {0, 0, 800, 600}, 100);
    EXPECT_THAT(Names(arrangement), ElementsAre("packages", "classes", "main"));
    EXPECT_THAT(Rects(arrangement), ElementsAre(TRect{0, 0, 159, 178}, TRect{0, 182, 159, 600},
                                                TRect{163, 0, 800, 600}));
    EXPECT_THAT(arrangement.Borders, ElementsAre(TFrameBorder{{159, 0, 163, 600}, {}},
                                                 TFrameBorder{{0, 178, 159, 182}, {}}));
}

TEST(ArrangeFrames, NestedSetsKeepTheBorderAroundThemUnlessTheyGiveTheirOwn) {
    TFrameSet set;
    set.ReadAttributes(
        Attributes({{ColsSy, "*,*"}, {FrameBorderSy, "no"}, {BorderColorSy, "red"}}));
    TSubFrameSet& inherits = set.AddChildSet();
    inherits.ReadAttributes(Attributes({{RowsSy, "*,*"}}));
    AddFrames(inherits, {"a", "b"});
    TSubFrameSet& own = set.AddChildSet();
    own.ReadAttributes(Attributes({{RowsSy, "*,*"}, {FrameBorderSy, "yes"}, {BorderSy, "10"}}));
    AddFrames(own, {"c", "d"});
    TFrameArrangement arrangement = ArrangeFrames(set, {0, 0, 200, 110}, 100);
    EXPECT_THAT(Rects(arrangement), ElementsAre(TRect{0, 0, 100, 55}, TRect{0, 55, 100, 110},
                                                TRect{100, 0, 200, 50}, TRect{100, 60, 200, 110}));
    EXPECT_THAT(arrangement.Borders,
                ElementsAre(TFrameBorder{{100, 50, 200, 60}, clRed | PaletteRelative}));
}

TEST(ArrangeFrames, FillsRowByRowAndLeavesOutWhatDoesNotFit) {
    TFrameSet set;
    set.ReadAttributes(Attributes({{RowsSy, "*,*"}, {ColsSy, "*,*"}, {BorderSy, "0"}}));
    AddFrames(set, {"a", "b", "c", "d", "extra"});
    EXPECT_THAT(Rects(ArrangeFrames(set, {0, 0, 100, 100}, 100)),
                ElementsAre(TRect{0, 0, 50, 50}, TRect{50, 0, 100, 50}, TRect{0, 50, 50, 100},
                            TRect{50, 50, 100, 100}));
    EXPECT_THAT(Names(ArrangeFrames(set, {0, 0, 100, 100}, 3)), ElementsAre("a", "b", "c"));
}

TEST(ArrangeFrames, BordersThatLeaveNoRoomAreDropped) {
    TFrameSet set;
    set.ReadAttributes(Attributes({{ColsSy, "*,*,*"}}));
    AddFrames(set, {"a", "b", "c"});
    TFrameArrangement arrangement = ArrangeFrames(set, {0, 0, 6, 10}, 100);
    EXPECT_THAT(Rects(arrangement),
                ElementsAre(TRect{0, 0, 2, 10}, TRect{2, 0, 4, 10}, TRect{4, 0, 6, 10}));
    EXPECT_TRUE(arrangement.Borders.empty());
}

}  // namespace
}  // namespace codelume
