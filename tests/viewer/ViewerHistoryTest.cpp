#include <gtest/gtest.h>

#include "viewer/ViewerHistory.h"

namespace codelume {
namespace {

THistoryEntry Page(const std::string& path, int32_t block = 0) {
    return THistoryEntry{path, "title of " + path, TPositionObj{TPositionKey{block, 0}, 0}, {}};
}

std::vector<std::string> Paths(const TViewerHistory& history) {
    std::vector<std::string> paths;
    for (int32_t i = 0; i < history.Count(); ++i) paths.push_back(history[i].Path);
    return paths;
}

TEST(ViewerHistoryAdd, KeepsNewestFirstAndTrims) {
    TViewerHistory history;
    history.SetMaxCount(3);
    EXPECT_TRUE(history.Add(Page(""), Page("/a.htm")));
    EXPECT_TRUE(history.Add(Page("/a.htm", 4), Page("/b.htm")));
    EXPECT_TRUE(history.Add(Page("/b.htm"), Page("/c.htm")));
    EXPECT_TRUE(history.Add(Page("/c.htm"), Page("/d.htm")));
    EXPECT_EQ(Paths(history), (std::vector<std::string>{"/d.htm", "/c.htm", "/b.htm"}));
    EXPECT_EQ(history[2].Position.Pos.Block, 0);
    history.SetMaxCount(5);
    history.Add(Page("/x.htm"), Page("/y.htm"));
    history.Add(Page("/y.htm", 7), Page("/z.htm"));
    EXPECT_EQ(history[1].Position.Pos.Block, 7);  // the page left keeps its last position
}

TEST(ViewerHistoryAdd, IgnoresTheSamePlace) {
    TViewerHistory history;
    history.SetMaxCount(5);
    EXPECT_FALSE(history.Add(Page("/a.htm", 2), Page("/a.htm", 2)));
    EXPECT_TRUE(history.Add(Page("/a.htm", 2), Page("/a.htm", 3)));
}

TEST(ViewerHistorySetMaxCount, LoweringClearsAndNegativeIsIgnored) {
    TViewerHistory history;
    history.SetMaxCount(5);
    history.Add(Page(""), Page("/a.htm"));
    EXPECT_FALSE(history.SetMaxCount(-1));
    EXPECT_EQ(history.MaxCount(), 5);
    EXPECT_TRUE(history.SetMaxCount(2));
    EXPECT_EQ(history.Count(), 0);
    EXPECT_FALSE(history.SetMaxCount(1));
}

}  // namespace
}  // namespace codelume
