#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "print/FakePrintDevice.h"
#include "print/PagePrinter.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(PagePrinter, RunsAJobUnderTheFirst31CharactersOfItsTitle) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    printer.JobTitle = "A title that runs well past thirty-one characters";
    printer.StartJob();
    printer.NextPage();
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.FinishJob();
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 0);
    EXPECT_THAT(device.Calls, ElementsAre("StartDoc A title that runs well past thi", "StartPage",
                                          "EndPage", "StartPage", "EndPage", "EndDoc"));
}

TEST(PagePrinter, ACancelledJobIsAbortedAndNotEnded) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    printer.StartJob();
    printer.CancelJob();
    EXPECT_FALSE(printer.Printing());
    EXPECT_THAT(device.Calls, ElementsAre("StartDoc ", "StartPage", "AbortDoc", "EndPage"));
}

TEST(PagePrinter, RefusesOperationsOutOfOrderWithThePrinterMessages) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    const char* notPrinting = "Printer is not currently printing";
    EXPECT_THAT([&] { printer.NextPage(); }, ThrowsMessage<EPrinter>(StrEq(notPrinting)));
    EXPECT_THAT([&] { printer.CancelJob(); }, ThrowsMessage<EPrinter>(StrEq(notPrinting)));
    printer.StartJob();
    EXPECT_THAT([&] { printer.StartJob(); },
                ThrowsMessage<EPrinter>(StrEq("Printing in progress")));
    TPagePrinter unselected;
    EXPECT_THAT([&] { unselected.StartJob(); },
                ThrowsMessage<EPrinter>(StrEq("Printer selected is not valid")));
    EXPECT_THAT([&] { unselected.PrintableWidth(); },
                ThrowsMessage<EPrinter>(StrEq("Printer selected is not valid")));
}

TEST(PrinterCanvas, MeasuresAnytimeButDrawsOnlyDuringAJob) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    TCanvas& canvas = printer.Canvas();
    EXPECT_EQ(canvas.TextExtent(TFont{}, "abc"), 24);
    EXPECT_THAT(
        [&] {
            canvas.FillRect(TRect{0, 0, 5, 5}, clWhite);
        },
        ThrowsMessage<EPrinter>(StrEq("Printer is not currently printing")));
    printer.StartJob();
    canvas.FillRect(TRect{0, 0, 5, 5}, clWhite);
    EXPECT_THAT(device.Surface.Calls(), ElementsAre("FillRect 0,0,5,5 FFFFFF"));
}

TEST(PagePrinter, FreeingItFinishesAJobStillRunning) {
    TFakePrintDevice device;
    std::make_unique<TPagePrinter>(&device)->StartJob();
    EXPECT_THAT(device.Calls, ElementsAre("StartDoc ", "StartPage", "EndPage", "EndDoc"));
}

}  // namespace
}  // namespace codelume
