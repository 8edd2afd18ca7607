#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Attributes.h"
#include "objects/FrameSet.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using TUnit = TFrameSize::TUnit;

TEST(ParseFrameSizes, ReadsPixelsPercentagesAndShares) {
    EXPECT_THAT(ParseFrameSizes("100, 25%,*,3*"),
                ElementsAre(TFrameSize{TUnit::Pixels, 100}, TFrameSize{TUnit::Percent, 25},
                            TFrameSize{TUnit::Relative, 1}, TFrameSize{TUnit::Relative, 3}));
    EXPECT_TRUE(ParseFrameSizes("").empty());
}

TEST(SubFrameSet, RecordsFramesRelativeToTheDocumentAndCountsEmptyDivisions) {
    TFrameSet set;
    set.ReadAttributes(Attributes({{RowsSy, "50%,50%"}, {ColsSy, "*,*"}, {FrameBorderSy, "no"}}));
    set.AddFrame(Attributes({{SrcSy, "left.htm"}, {NameSy, "nav"}, {NoResizeSy, ""}}),
                 "/site/index.htm");
    set.AddFrame(Attributes({{SrcSy, "http://x/y"}}), "/site/index.htm");
    TSubFrameSet& child = set.AddChildSet();
    set.ChildrenComplete();
    EXPECT_EQ(set.FrameBorder, false);
    EXPECT_EQ(set.Children[0].Frame->Url, "left.htm");
    EXPECT_EQ(set.Children[0].Frame->Source, "/site/left.htm");
    EXPECT_TRUE(set.Children[0].Frame->NoResize);
    EXPECT_EQ(set.Children[1].Frame->Source, "http://x/y");
    EXPECT_EQ(&child.MasterSet, &set);
    EXPECT_EQ(set.EmptyDivisions, 1);
    EXPECT_TRUE(set.Complete);
}

}  // namespace
}  // namespace codelume
