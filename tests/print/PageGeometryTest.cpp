#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "print/FakePrintDevice.h"
#include "print/PageGeometry.h"
#include "print/PrinterError.h"

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
    EXPECT_EQ(page.LeftScr, 76);    // 472 * 96 / 600 = 75.52
    EXPECT_EQ(page.WidthScr, 643);  // 4017 * 96 / 600 = 642.72
    EXPECT_EQ(page.TopScr, 76);
    EXPECT_EQ(page.HeightPrn, 7016 - 2 * 472);
    EXPECT_EQ(page.HeightScr, 972);       // 6072 * 96 / 600 = 971.52
    EXPECT_EQ(page.PageWidthScr, 794);    // 793.76
    EXPECT_EQ(page.PageHeightScr, 1123);  // 1122.56
    EXPECT_EQ(PageClip(page), (TRect{0, 471, 4017 + 472 + 2, 472 + 6072 + 2}));
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
