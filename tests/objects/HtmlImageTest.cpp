#include <gtest/gtest.h>

#include "Attributes.h"
#include "base/Format.h"
#include "canvas/FixedCanvas.h"
#include "document/SectionList.h"
#include "objects/HtmlImage.h"
#include "objects/MapItem.h"

namespace codelume {
namespace {

struct TSizeCase {
    const char* Name;
    const char* Width;   // nullptr: no WIDTH
    const char* Height;  // nullptr: no HEIGHT
    int32_t ExpectedWidth;
    int32_t ExpectedHeight;
};

TEST(LayoutImage, TakesTheTagsSizeOrTwentySquare) {
    const TSizeCase cases[] = {
        {"BothGiven", "40", "30", 40, 30},
        {"WidthMissing", nullptr, "30", 20, 20},
        {"HeightZero", "40", "0", 20, 20},
        {"WidthNegative", "-5", "30", 20, 20},
        {"PercentOfTheRoom", "50%", "30", 150, 30},
        {"HugeIsHeld", "900000", "10", MaxAttributePixels, 10},
    };
    TSectionList document;
    TFixedCanvas canvas;
    for (const TSizeCase& row : cases) {
        SCOPED_TRACE(row.Name);
        TAttributeList attributes;
        if (row.Width) attributes.Add(WidthSy, std::atoi(row.Width), row.Width);
        if (row.Height) attributes.Add(HeightSy, std::atoi(row.Height), row.Height);
        THtmlImage image(document, attributes);
        image.LayoutImage(canvas, 300, document.BaseFont());
        EXPECT_EQ(image.ImageWidth, row.ExpectedWidth);
        EXPECT_EQ(image.ImageHeight, row.ExpectedHeight);
    }
}

TEST(HtmlImage, ReadsAlignmentSpaceAndMap) {
    TSectionList document;
    THtmlImage image(document,
                     Attributes({{AlignSy, "absmiddle"}, {HSpaceSy, "-30"}, {UseMapSy, "#nav"}}));
    EXPECT_EQ(image.VAlign, iaMiddle);
    EXPECT_EQ(image.HSpace, 20);
    EXPECT_EQ(image.UseMap, "NAV");
    EXPECT_EQ(ImageAlignOf(Attributes({{AlignSy, "Right"}})), iaRight);
    EXPECT_EQ(ImageAlignOf(Attributes({{AlignSy, "centre"}})), iaBottom);
    EXPECT_EQ(THtmlImage(document, {}).HSpace, 5);
}

TEST(HtmlImage, ClientSideMapAnswersThroughTheDocumentsMap) {
    TSectionList document;
    auto map = std::make_unique<TMapItem>();
    map->MapName = "NAV";
    map->AddArea(Attributes({{ShapeSy, "circle"}, {CoordsSy, "10,10,5"}, {HrefSy, "c.htm"}}));
    document.MapList.Add(std::move(map));
    THtmlImage image(document, Attributes({{UseMapSy, "#Nav"}}));
    TUrlTarget link;
    EXPECT_TRUE(image.MapLinkAt(12, 13, link));
    EXPECT_EQ(link.Url, "c.htm");
    EXPECT_FALSE(image.MapLinkAt(15, 15, link));
}

TEST(HtmlImage, PaintsAFramedBoxWhereTheBlockSays) {
    TSectionList document;
    document.ScrollY = 100;
    TFixedCanvas canvas;
    THtmlImage image(document, Attributes({{WidthSy, "4"}, {HeightSy, "3"}, {AlignSy, "TOP"}}));
    image.LayoutImage(canvas, 300, document.BaseFont());
    image.Paint(canvas, 10, document.BaseFont(), 170, 150);
    EXPECT_EQ(image.DrawX, 10);
    EXPECT_EQ(image.DrawY, 150);
    ASSERT_EQ(canvas.Calls().size(), 4u);
    EXPECT_EQ(canvas.Calls()[0], "FillRect 10,50,14,51 808080");
}

// 12-point text, 16 high with descent 4, whose top is at 150 and baseline at 162.
TEST(HtmlImage, BottomAlignedStandsOnTheBaselineAndMiddleAlignedCentresOnTheText) {
    struct TCase {
        const char* Name;
        const char* Align;  // "" for none
        const char* Height;
        int32_t ExpectedTop;
    } cases[] = {
        {"bottom", "", "3", 159},
        {"top", "TOP", "40", 150},
        {"tall middle", "MIDDLE", "40", 138},  // 12 above the text, 12 below
        {"short middle", "ABSMIDDLE", "10", 153},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        TSectionList document;
        document.ScrollY = 100;
        TFixedCanvas canvas;
        THtmlImage image(
            document, Attributes({{WidthSy, "4"}, {HeightSy, row.Height}, {AlignSy, row.Align}}));
        image.LayoutImage(canvas, 300, document.BaseFont());
        image.Paint(canvas, 10, document.BaseFont(), 162, 150);
        EXPECT_EQ(image.DrawY, row.ExpectedTop);
        ASSERT_FALSE(canvas.Calls().empty());
        EXPECT_EQ(canvas.Calls()[0], Format("FillRect 10,%d,14,%d 808080", row.ExpectedTop - 100,
                                            row.ExpectedTop - 99));
    }
}

TEST(HtmlImage, CopyForAnotherDocumentKeepsTheTagsValues) {
    TSectionList document, printCopy;
    TFixedCanvas canvas;
    THtmlImage image(
        document,
        Attributes({{WidthSy, "30"}, {HeightSy, "10"}, {AlignSy, "left"}, {IsMapSy, ""}}));
    image.StartIndex = 7;
    auto copy = image.CloneFor(printCopy);
    copy->LayoutImage(canvas, 100, printCopy.BaseFont());
    EXPECT_EQ(copy->ImageWidth, 30);
    EXPECT_EQ(copy->StartIndex, 7);
    EXPECT_EQ(copy->VAlign, iaLeft);
    EXPECT_TRUE(copy->IsMap);
    EXPECT_EQ(&dynamic_cast<THtmlImage&>(*copy).Document, &printCopy);
}

}  // namespace
}  // namespace codelume
