#include <gtest/gtest.h>

#include "Attributes.h"
#include "base/Format.h"
#include "canvas/FixedCanvas.h"
#include "document/SectionList.h"
#include "objects/HtmlImage.h"
#include "objects/MapItem.h"
#include "support/FakeImageSource.h"

namespace codelume {
namespace {

// A document that shows the 40 by 30 picture "p.png"; every other file is missing.
class ImageTest : public ::testing::Test {
protected:
    ImageTest() {
        Source.Add("p.png", {40, 30});
        Document.SetImageSource(&Source);
        Document.ImagesOn = true;
    }

    std::unique_ptr<THtmlImage> LaidOut(const TAttributeList& attributes, bool inLink = false) {
        auto image = std::make_unique<THtmlImage>(Document, attributes);
        image->InLink = inLink;
        image->LayoutImage(Canvas, 300, Document.BaseFont());
        return image;
    }

    TFakeImageSource Source;
    TSectionList Document;
    TFixedCanvas Canvas;
};

struct TSizeCase {
    const char* Name;
    std::vector<std::pair<THtmlSymbol, std::string>> Tag;
    int32_t ExpectedWidth;
    int32_t ExpectedHeight;
};

// 12-point text on the fixed canvas: 16 pixels high, 8 pixels a character.
TEST_F(ImageTest, TakesItsSizeFromThePictureAndTheTag) {
    const TSizeCase cases[] = {
        {"Natural", {{SrcSy, "p.png"}}, 40, 30},
        {"WidthKeepsTheProportions", {{SrcSy, "p.png"}, {WidthSy, "20"}}, 20, 15},
        {"HeightKeepsTheProportions", {{SrcSy, "p.png"}, {HeightSy, "60"}}, 80, 60},
        {"BothStretch", {{SrcSy, "p.png"}, {WidthSy, "10"}, {HeightSy, "50"}}, 10, 50},
        {"PercentOfTheRoom", {{SrcSy, "p.png"}, {WidthSy, "50%"}}, 150, 113},
        {"PercentHeightIsIgnored", {{SrcSy, "p.png"}, {HeightSy, "50%"}}, 40, 30},
        {"NegativeIsIgnored", {{SrcSy, "p.png"}, {WidthSy, "-5"}}, 40, 30},
        {"ZeroByZero", {{SrcSy, "p.png"}, {WidthSy, "0"}, {HeightSy, "0"}}, 0, 0},
        {"HugeIsHeld", {{SrcSy, "p.png"}, {WidthSy, "900000"}, {HeightSy, "10"}}, 32000, 10},
        {"MissingIsASmallSquare", {{SrcSy, "gone.png"}}, 20, 20},
        {"MissingKeepsTheTagsSize", {{SrcSy, "gone.png"}, {WidthSy, "40"}, {HeightSy, "0"}}, 40, 0},
        {"MissingWithOneSide", {{SrcSy, "gone.png"}, {WidthSy, "40"}}, 40, 20},
        {"MissingFitsItsAltText", {{SrcSy, "gone.png"}, {AltSy, "Logo"}}, 4 * 8 + 8, 16 + 6},
        {"NoSource", {{AltSy, "x"}, {HeightSy, "50"}}, 8 + 8, 50},
        {"LinkBorder", {{SrcSy, "p.png"}, {NameSy, "link"}}, 44, 34},
        {"NoLinkBorder", {{SrcSy, "p.png"}, {NameSy, "link"}, {BorderSy, "0"}}, 40, 30},
        {"BorderOutsideALink", {{SrcSy, "p.png"}, {BorderSy, "3"}}, 46, 36},
        {"SpaceAround", {{SrcSy, "p.png"}, {HSpaceSy, "4"}, {VSpaceSy, "-6"}}, 48, 42},
        {"FloatKeepsItsGapAtTheEdge",
         {{SrcSy, "p.png"}, {HSpaceSy, "4"}, {AlignSy, "left"}},
         40,
         30},
    };
    for (const TSizeCase& row : cases) {
        SCOPED_TRACE(row.Name);
        TAttributeList attributes;
        bool inLink = false;
        for (const auto& [kind, text] : row.Tag) {
            if (kind == NameSy)
                inLink = true;
            else
                attributes.Add(kind, std::atoi(text.c_str()), text);
        }
        auto image = LaidOut(attributes, inLink);
        EXPECT_EQ(image->ImageWidth, row.ExpectedWidth);
        EXPECT_EQ(image->ImageHeight, row.ExpectedHeight);
    }
    EXPECT_EQ(Source.Loads, 2);  // p.png and gone.png, once each
}

TEST_F(ImageTest, ReadsNothingWhileImagesAreNotShown) {
    Document.ImagesOn = false;
    EXPECT_EQ(LaidOut(Attributes({{SrcSy, "p.png"}}))->ImageWidth, 20);
    EXPECT_EQ(Source.Loads, 0);
    THtmlImage image(Document, Attributes({{SrcSy, "p.png"}}));
    EXPECT_EQ(Source.Loads, 0);
}

TEST_F(ImageTest, ReadsAlignmentSpaceAndMap) {
    THtmlImage image(Document,
                     Attributes({{AlignSy, "absmiddle"}, {HSpaceSy, "-30"}, {UseMapSy, "#nav"}}));
    EXPECT_EQ(image.VAlign, iaMiddle);
    EXPECT_EQ(image.HSpace, 20);
    EXPECT_EQ(image.UseMap, "NAV");
    EXPECT_EQ(ImageAlignOf(Attributes({{AlignSy, "Right"}})), iaRight);
    EXPECT_EQ(ImageAlignOf(Attributes({{AlignSy, "centre"}})), iaBottom);
    EXPECT_EQ(THtmlImage(Document, {}).HSpace, 5);
}

TEST_F(ImageTest, ClientSideMapAnswersThroughTheDocumentsMap) {
    auto map = std::make_unique<TMapItem>();
    map->MapName = "NAV";
    map->AddArea(Attributes({{ShapeSy, "circle"}, {CoordsSy, "10,10,5"}, {HrefSy, "c.htm"}}));
    Document.MapList.Add(std::move(map));
    THtmlImage image(Document, Attributes({{UseMapSy, "#Nav"}}));
    TUrlTarget link;
    EXPECT_TRUE(image.MapLinkAt(12, 13, link));
    EXPECT_EQ(link.Url, "c.htm");
    EXPECT_FALSE(image.MapLinkAt(15, 15, link));
}

// Painted at x 10 with its top at document Y 150, scrolled by 100.
TEST_F(ImageTest, PaintsThePictureInsideItsSpaceAndBorder) {
    struct TCase {
        const char* Name;
        std::vector<std::pair<THtmlSymbol, std::string>> Tag;
        bool InLink;
        std::vector<std::string> Expected;
    } cases[] = {
        {"Picture", {{SrcSy, "p.png"}}, false, {"DrawImage 10,50,50,80 40x30 frame=0"}},
        {"LinkBorderInTheRunsColour",
         {{SrcSy, "p.png"}, {HSpaceSy, "3"}, {VSpaceSy, "1"}},
         true,
         {"DrawImage 15,53,55,83 40x30 frame=0", "FillRect 13,51,57,53 123456",
          "FillRect 13,51,15,85 123456", "FillRect 13,83,57,85 123456",
          "FillRect 55,51,57,85 123456"}},
        {"BoxWithAltText",
         {{SrcSy, "gone.png"}, {AltSy, "Hi"}},
         false,
         {"FillRect 10,50,34,51 808080", "FillRect 10,50,11,72 808080",
          "FillRect 10,71,34,72 808080", "FillRect 33,50,34,72 808080",
          "TextOut 14,65 \"Hi\" 123456 size=12 style=0 clip=11,51,33,71"}},
        {"Invisible", {{SrcSy, "p.png"}, {WidthSy, "0"}, {HeightSy, "0"}}, false, {}},
    };
    Document.ScrollY = 100;
    TMyFont font = Document.BaseFont();
    font.Color = 0x123456;
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Name);
        TAttributeList attributes;
        for (const auto& [kind, text] : row.Tag)
            attributes.Add(kind, std::atoi(text.c_str()), text);
        attributes.Add(AlignSy, 0, "top");
        auto image = LaidOut(attributes, row.InLink);
        Canvas.ClearCalls();
        image->Paint(Canvas, 10, font, 170, 150);
        EXPECT_EQ(image->DrawX, 10);
        EXPECT_EQ(image->DrawY, 150);
        EXPECT_EQ(Canvas.Calls(), row.Expected);
    }
}

// 12-point text, 16 high with descent 4, whose top is at 150 and baseline at 162.
TEST_F(ImageTest, BottomAlignedStandsOnTheBaselineAndMiddleAlignedCentresOnTheText) {
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
    Document.ScrollY = 100;
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        auto image =
            LaidOut(Attributes({{WidthSy, "4"}, {HeightSy, row.Height}, {AlignSy, row.Align}}));
        Canvas.ClearCalls();
        image->Paint(Canvas, 10, Document.BaseFont(), 162, 150);
        EXPECT_EQ(image->DrawY, row.ExpectedTop);
        ASSERT_FALSE(Canvas.Calls().empty());
        EXPECT_EQ(Canvas.Calls()[0], Format("FillRect 10,%d,14,%d 808080", row.ExpectedTop - 100,
                                            row.ExpectedTop - 99));
    }
}

TEST_F(ImageTest, CopyForThePrintCopyDrawsTheSamePicture) {
    TSectionList printCopy(Document);
    THtmlImage image(
        Document,
        Attributes({{SrcSy, "p.png"}, {WidthSy, "30"}, {AlignSy, "left"}, {IsMapSy, ""}}));
    image.StartIndex = 7;
    auto copy = image.CloneFor(printCopy);
    copy->LayoutImage(Canvas, 100, printCopy.BaseFont());
    EXPECT_EQ(copy->ImageWidth, 30);
    EXPECT_EQ(copy->ImageHeight, 23);
    EXPECT_EQ(copy->StartIndex, 7);
    EXPECT_EQ(copy->VAlign, iaLeft);
    EXPECT_TRUE(copy->IsMap);
    EXPECT_EQ(&dynamic_cast<THtmlImage&>(*copy).Document, &printCopy);
    EXPECT_EQ(Source.Loads, 1);
}

}  // namespace
}  // namespace codelume
