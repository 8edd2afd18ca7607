#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "canvas/PrinterError.h"
#include "print/FakePrintDevice.h"
#include "print/PageGeometry.h"

namespace codelume {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(MarginToPixels, TruncatesInsteadOfRounding) {
    EXPECT_EQ(MarginToPixels(2.0, 600), 472);  // 472.44
    EXPECT_EQ(MarginToPixels(2.0, 300), 236);  // 236.22
    EXPECT_EQ(MarginToPixels(1.99, 96), 75);   // 75.21
    EXPECT_EQ(MarginToPixels(2.53, 100), 99);  // 99.61, not 100
    EXPECT_THROW(MarginToPixels(1e12, 600), EIntOverflow);
}

TEST(MeasurePage, TwoCentimetreMarginsOnAnA4SheetAt600Dpi) {
    TFakePrintDevice device;
    TPageGeometry page = MeasurePage(device, TPrintMargins{}, 96);
    EXPECT_EQ(page.LeftPrn, 472);
    EXPECT_EQ(page.WidthPrn, 4961 - 2 * 472);
    // The text area in screen pixels is rounded inward: it starts at 472 * 96 / 600
    // = 75.52 rounded up and ends at 4489 * 96 / 600 = 718.24 rounded down.
    EXPECT_EQ(page.LeftScr, 76);
    EXPECT_EQ(page.WidthScr, 718 - 76);
    EXPECT_EQ(page.TopScr, 76);
    EXPECT_EQ(page.HeightPrn, 7016 - 2 * 472);
    EXPECT_EQ(page.HeightScr, 1047 - 76);  // 6544 * 96 / 600 = 1047.04
    EXPECT_EQ(page.PageWidthScr, 794);     // 793.76
    EXPECT_EQ(page.PageHeightScr, 1123);   // 1122.56
    EXPECT_EQ(PageClip(page), (TRect{472, 472, 472 + 4017, 472 + 6072}));
}

TEST(MeasurePage, TakesTheUnprintableStripsOffTheMargins) {
    TFakePrintDevice device;
    device.Paper = TSize{5100, 6600};
    device.Offset = TPoint{100, 50};
    device.Printable = TSize{4800, 6400};  // strips: right 200, bottom 150
    TPageGeometry page = MeasurePage(device, TPrintMargins{1.0, 2.0, 3.0, 4.0}, 96);
    EXPECT_EQ(page.LeftPrn, 236 - 100);
    EXPECT_EQ(page.WidthPrn, 4800 - (136 + 472 - 200));
    EXPECT_EQ(page.TopPrn, 708 - 50);
    EXPECT_EQ(page.HeightPrn, 6400 - (658 + 944 - 150));
}

TEST(PpiToFit, GivesTheFirstResolutionAtWhichTheWidthFits) {
    EXPECT_EQ(PpiToFit(300, 150, 96), 192);
    EXPECT_EQ(PpiToFit(1000, 4017, 600), 150);  // 149.36
    EXPECT_EQ(PpiToFit(643, 4017, 600), 97);    // 96.04
}

TEST(MeasurePage, RefusesMarginsThatLeaveNoRoom) {
    TFakePrintDevice device;
    EXPECT_THAT(
        [&] {
            MeasurePage(device, TPrintMargins{11.0, 11.0, 2.0, 2.0}, 96);
        },
        ThrowsMessage<EPrinter>(StrEq("The print margins leave no room on the page")));
    device.Dpi = TSize{0, 600};
    EXPECT_THAT([&] { MeasurePage(device, TPrintMargins{}, 96); },
                ThrowsMessage<EPrinter>(StrEq("Printer selected is not valid")));
}

}  // namespace
}  // namespace codelume
