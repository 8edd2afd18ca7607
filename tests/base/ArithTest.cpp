#include <gtest/gtest.h>

#include "base/Arith.h"

namespace codelume {
namespace {

TEST(CheckedArithmetic, RefusesToWrap) {
    EXPECT_EQ(CheckedAdd(INT32_MAX - 1, 1), INT32_MAX);
    EXPECT_THROW(CheckedAdd(INT32_MAX, 1), EIntOverflow);
    EXPECT_THROW(CheckedSub(INT32_MIN, 1), EIntOverflow);
    EXPECT_THROW(CheckedMul(65536, 32768), EIntOverflow);
    EXPECT_THROW(CheckedNarrow(int64_t{1} << 31), EIntOverflow);
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(12, 96, 72), 16);
    EXPECT_EQ(MulDiv(10, 96, 72), 13);  // 13.33
    EXPECT_EQ(MulDiv(3, 1, 2), 2);      // 1.5
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);    // -1.5
    EXPECT_EQ(MulDiv(3, -1, 2), -2);
    EXPECT_EQ(MulDiv(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);  // 64-bit intermediate
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

}  // namespace
}  // namespace codelume
