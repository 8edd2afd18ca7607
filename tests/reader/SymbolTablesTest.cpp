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

TEST(LookupEntity, MapsTheLatinNamesToTheirCodes) {
    EXPECT_EQ(LookupEntity("quot"), '"');
    EXPECT_EQ(LookupEntity("nbsp"), '\xA0');
    EXPECT_EQ(LookupEntity("copy"), '\xA9');
    EXPECT_EQ(LookupEntity("times"), '\xD7');
    EXPECT_EQ(LookupEntity("szlig"), '\xDF');
    EXPECT_EQ(LookupEntity("divide"), '\xF7');
    EXPECT_EQ(LookupEntity("yuml"), '\xFF');
    EXPECT_EQ(LookupEntity("Yuml"), std::nullopt);
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
