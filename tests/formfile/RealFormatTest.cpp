#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "formfile/RealFormat.h"

namespace codelume {
namespace {

std::string Text(long double value) {
    char text[MaxRealText];
    return std::string(text, static_cast<size_t>(FormatReal(value, text)));
}

struct TRealCase {
    const char* Name;
    long double Value;
    const char* Text;
};

const TRealCase RealCases[] = {
    {"Integer", 2.0L, "2"},
    {"Half", 0.5L, "0.5"},
    {"SmallestPlain", 0.0001L, "0.0001"},
    {"LargestScientificBelow", 0.00001L, "1E-5"},
    {"TenToFourteen", 1e14L, "100000000000000"},
    {"TenToFifteen", 1e15L, "1E15"},
    {"Negative", -1234.5L, "-1234.5"},
    {"NegativeScientific", -2.5e-7L, "-2.5E-7"},
    {"RoundsToFifteenDigits", 1.0L / 3.0L, "0.333333333333333"},
    {"RoundingCarries", 9.9999999999999999L, "10"},
    {"ScientificWithFraction", 123456789012345678.0L, "1.23456789012346E17"},
    {"BeyondDoubleRange", 1e4000L, "1E4000"},
    {"Zero", 0.0L, "0"},
    {"NegativeZero", -0.0L, "0"},
    {"Infinity", std::numeric_limits<long double>::infinity(), "INF"},
    {"NegativeInfinity", -std::numeric_limits<long double>::infinity(), "-INF"},
    {"NotANumber", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
};

TEST(FormatReal, WritesFifteenSignificantDigits) {
    for (const TRealCase& row : RealCases) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(Text(row.Value), row.Text);
    }
}

TEST(DecodeExtended, DecodesSpecialsAndDenormals) {
    const uint8_t infinity[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF};
    const uint8_t nan[10] = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    const uint8_t denormal[10] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(DecodeExtended(infinity), -std::numeric_limits<long double>::infinity());
    EXPECT_TRUE(std::isnan(DecodeExtended(nan)));
    EXPECT_EQ(DecodeExtended(denormal), std::numeric_limits<long double>::denorm_min());
}

}  // namespace
}  // namespace codelume
