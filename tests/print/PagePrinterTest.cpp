#include "print/PagePrinter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "print/FakePrintDevice.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(StartJob, NamesTheJobWithTheFirst31CharactersOfTheTitle) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    printer.JobTitle = "A title that runs well past thirty-one characters";
    printer.StartJob();
    EXPECT_TRUE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 1);
    EXPECT_THAT(device.Calls, ElementsAre("StartDoc A title that runs well past thi", "StartPage"));
}

TEST(FinishJob, EndsThePageAndTheDocumentAndClearsTheState) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    printer.StartJob();
    printer.NextPage();
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.FinishJob();
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 0);
    EXPECT_THAT(device.Calls, ElementsAre("StartDoc ", "StartPage", "EndPage", "StartPage", "EndPage", "EndDoc"));
}

TEST(CancelJob, AbortsTheDocumentAndDoesNotEndIt) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    printer.StartJob();
    printer.CancelJob();
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(printer.Aborted());
    EXPECT_THAT(device.Calls, ElementsAre("StartDoc ", "StartPage", "AbortDoc", "EndPage"));
}

TEST(PagePrinter, RefusesOperationsOutOfOrderWithThePrinterMessages) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    const char* notPrinting = "Printer is not currently printing";
    EXPECT_THAT([&] { printer.NextPage(); }, ThrowsMessage<EPrinter>(StrEq(notPrinting)));
    EXPECT_THAT([&] { printer.FinishJob(); }, ThrowsMessage<EPrinter>(StrEq(notPrinting)));
    EXPECT_THAT([&] { printer.CancelJob(); }, ThrowsMessage<EPrinter>(StrEq(notPrinting)));
    printer.StartJob();
    EXPECT_THAT([&] { printer.StartJob(); }, ThrowsMessage<EPrinter>(StrEq("Printing in progress")));
}

TEST(PagePrinter, WithoutASelectedPrinterEveryQuestionFails) {
    TPagePrinter printer;
    const char* invalid = "Printer selected is not valid";
    EXPECT_THAT([&] { printer.StartJob(); }, ThrowsMessage<EPrinter>(StrEq(invalid)));
    EXPECT_THAT([&] { printer.PrintableWidth(); }, ThrowsMessage<EPrinter>(StrEq(invalid)));
    EXPECT_THAT([&] { printer.Canvas().TextMetrics(TFont{}); }, ThrowsMessage<EPrinter>(StrEq(invalid)));
    EXPECT_FALSE(printer.Printing());
}

TEST(PrinterCanvas, MeasuresAnytimeButDrawsOnlyDuringAJob) {
    TFakePrintDevice device;
    TPagePrinter printer(&device);
    TCanvas& canvas = printer.Canvas();
    EXPECT_EQ(canvas.TextExtent(TFont{}, "abc"), 24);
    EXPECT_THAT([&] { canvas.FillRect(TRect{0, 0, 5, 5}, clWhite); },
                ThrowsMessage<EPrinter>(StrEq("Printer is not currently printing")));
    printer.StartJob();
    canvas.FillRect(TRect{0, 0, 5, 5}, clWhite);
    EXPECT_THAT(device.Surface.Calls(), ElementsAre("FillRect 0,0,5,5 FFFFFF"));
}

TEST(PagePrinter, FreeingItFinishesAJobStillRunning) {
    TFakePrintDevice device;
    {
        TPagePrinter printer(&device);
        printer.StartJob();
    }
    EXPECT_THAT(device.Calls, ElementsAre("StartDoc ", "StartPage", "EndPage", "EndDoc"));
}

TEST(ReplaceCurrentPrinter, HandsBackThePreviousPrinter) {
    TPagePrinter& first = CurrentPrinter();
    EXPECT_EQ(&CurrentPrinter(), &first);
    TFakePrintDevice device;
    auto mine = std::make_unique<TPagePrinter>(&device);
    TPagePrinter* minePtr = mine.get();
    std::unique_ptr<TPagePrinter> previous = ReplaceCurrentPrinter(std::move(mine));
    EXPECT_EQ(previous.get(), &first);
    EXPECT_EQ(&CurrentPrinter(), minePtr);
    EXPECT_EQ(ReplaceCurrentPrinter(std::move(previous)).get(), minePtr);
    EXPECT_EQ(&CurrentPrinter(), &first);
}

}  // namespace
}  // namespace codelume
