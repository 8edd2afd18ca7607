#include <gtest/gtest.h>

#include "base/Format.h"
#include "base/FreeList.h"

namespace codelume {
namespace {

TEST(Format, FormatsLikePrintfAndHandlesLongTexts) {
    EXPECT_EQ(Format("%s on line %d", "Line too long", 7), "Line too long on line 7");
    std::string longText(5000, 'x');
    EXPECT_EQ(Format("[%s]", longText.c_str()).size(), 5002u);
    EXPECT_EQ(Format("%s", ""), "");
}

TEST(FreeList, OwnsAndFindsItsItems) {
    TFreeList<std::string> list;
    std::string* first = list.Add(std::make_unique<std::string>("a"));
    list.Add(std::make_unique<std::string>("b"));
    list.Insert(0, std::make_unique<std::string>("c"));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOf(first), 1);
    EXPECT_EQ(*list.Last(), "b");
    std::unique_ptr<std::string> taken = list.Extract(0);
    EXPECT_EQ(*taken, "c");
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
}

}  // namespace
}  // namespace codelume
