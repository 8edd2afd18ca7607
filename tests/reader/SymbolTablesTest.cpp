#include <gtest/gtest.h>

#include "reader/SymbolTables.h"

namespace codelume {
namespace {

TEST(LookupTag, FindsStartAndEndFormsInTableOrder) {
    EXPECT_EQ(LookupTag("HTML", TTagForm::tfStart), HtmlSy);
    EXPECT_EQ(LookupTag("TR", TTagForm::tfEnd), TREndSy);
    EXPECT_EQ(LookupTag("STRIKE", TTagForm::tfEnd), StrikeEndSy);
    EXPECT_EQ(LookupTag("LI", TTagForm::tfStart), LISy);
    EXPECT_EQ(LookupTag("LI", TTagForm::tfEnd), UnknownTagSymbol);
    EXPECT_EQ(LookupTag("BGSOUND", TTagForm::tfStart), BgSoundSy);
    EXPECT_EQ(LookupTag("BGSOUND", TTagForm::tfEnd), UnknownTagSymbol);
    EXPECT_EQ(LookupTag("META", TTagForm::tfStart), UnknownTagSymbol);
    EXPECT_EQ(LookupTag("html", TTagForm::tfStart), UnknownTagSymbol);
}

TEST(LookupAttribute, SharesTheSymbolsTheTablesShare) {
    EXPECT_EQ(LookupAttribute("HREF"), HrefSy);
    EXPECT_EQ(LookupAttribute("VALUE"), ValueSy);
    EXPECT_EQ(LookupAttribute("SELECTED"), SelectedSy);
    EXPECT_EQ(LookupAttribute("ONCLICK"), OnClickSy);
    EXPECT_EQ(LookupAttribute("ID"), IdSy);
    EXPECT_EQ(LookupAttribute("STYLE"), UnknownAttributeSymbol);
}

TEST(LookupEntity, KnowsTheLatinSymbolAndSpecialSets) {
    struct TRow {
        std::string_view Name;
        std::optional<char32_t> Code;
    };
    for (TRow row :
         {TRow{"quot", U'"'}, TRow{"nbsp", 0xA0}, TRow{"times", 0xD7}, TRow{"yuml", 0xFF},
          TRow{"Yuml", 0x178}, TRow{"fnof", 0x192}, TRow{"Alpha", 0x391}, TRow{"alpha", 0x3B1},
          TRow{"piv", 0x3D6}, TRow{"image", 0x2111}, TRow{"crarr", 0x21B5}, TRow{"lArr", 0x21D0},
          TRow{"sdot", 0x22C5}, TRow{"rang", 0x232A}, TRow{"euro", 0x20AC}, TRow{"zwj", 0x200D},
          TRow{"apos", std::nullopt}, TRow{"Nbsp", std::nullopt}}) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(LookupEntity(row.Name), row.Code);
    }
}

TEST(StartsLongerEntity, FindsOnlyProperPrefixes) {
    EXPECT_TRUE(StartsLongerEntity("thetasy"));
    EXPECT_TRUE(StartsLongerEntity("epsilo"));
    EXPECT_FALSE(StartsLongerEntity("thetasym"));
    EXPECT_FALSE(StartsLongerEntity("abcdefg"));
}

TEST(TrimControls, DropsControlBytesAtBothEnds) {
    EXPECT_EQ(TrimControls("\x01 a b\r\n "), "a b");
    EXPECT_EQ(TrimControls("   "), "");
}

TEST(ParseDecimal, AcceptsOneSignAndThirtyTwoBits) {
    EXPECT_EQ(ParseDecimal("+2"), 2);
    EXPECT_EQ(ParseDecimal("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseDecimal("2147483648"), std::nullopt);
    EXPECT_EQ(ParseDecimal("+-2"), std::nullopt);
    EXPECT_EQ(ParseDecimal("5x"), std::nullopt);
    EXPECT_EQ(ParseDecimal(""), std::nullopt);
}

}  // namespace
}  // namespace codelume
