#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/IndentManager.h"

namespace codelume {
namespace {

TEST(SetNesting, IndentsEachLevelFromTheEdgeInForceAndClosesLevels) {
    IndentManager manager;
    manager.SetEdges(0, 500);
    manager.SetNesting(10, 2);
    EXPECT_EQ(manager.LeftEdgeAt(10), 70);
    EXPECT_EQ(manager.LeftEdgeAt(9), 0);
    manager.SetNesting(50, 1);
    EXPECT_EQ(manager.LeftEdgeAt(50), 35);
    EXPECT_EQ(manager.LeftEdgeAt(48), 70);  // the closed level ends at 49
    EXPECT_EQ(manager.NestBottom(), 50);
}

TEST(PlaceFloat, NarrowsTheEdgesForTheImageHeight) {
    IndentManager manager;
    manager.SetEdges(0, 500);
    TTestImage left(40, 100, iaLeft), right(60, 150, iaRight);
    manager.PlaceFloat(0, left);
    manager.PlaceFloat(0, right);
    EXPECT_EQ(manager.LeftEdgeAt(99), 45);
    EXPECT_EQ(manager.LeftEdgeAt(100), 0);
    EXPECT_EQ(manager.RightEdgeAt(0), 500 - 65);
    EXPECT_EQ(right.FloatX, 440);
    EXPECT_EQ(manager.FloatBottom(), 150);
    TClearLines lines = manager.ClearLines();
    EXPECT_EQ(lines.Left, 101);
    EXPECT_EQ(lines.Right, 151);
}

TEST(ClearLines, AnswersZeroWithoutFloatsAndRemembersEndedOnes) {
    IndentManager manager;
    manager.SetEdges(0, 500);
    manager.SetNesting(0, 1);
    EXPECT_EQ(manager.ClearLines().Left, 0);
    TTestImage image(10, 20, iaLeft);
    manager.PlaceFloat(0, image);
    manager.SetNesting(300, 1);  // far below the float: its entry is let go
    EXPECT_EQ(manager.ClearLines().Left, 21);
    EXPECT_EQ(manager.FloatBottom(), 20);
}

}  // namespace
}  // namespace codelume
