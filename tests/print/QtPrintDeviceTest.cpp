#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <cstdio>
#include <filesystem>

#include "print/PagePrinter.h"
#include "qt/QtPrintDevice.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

using ::testing::HasSubstr;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

std::unique_ptr<TQtPrintDevice> PdfDevice(const std::string& path, int32_t dpi) {
    return TQtPrintDevice::PdfFile(path, dpi, 96);
}

std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    pclose(pipe);
    return output;
}

// Prints one line of text on each of pageCount pages.
void PrintPages(TPagePrinter& printer, int pageCount) {
    printer.StartJob();
    TFont font{"Courier New", 12, 0, clBlack};
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1) printer.NextPage();
        printer.Canvas().SetMapping(TMapping{96, 600, 600, TPoint{0, 0}});
        printer.Canvas().TextOut(font, 100, 100, "page " + std::to_string(page), clBlack,
                                 std::nullopt, std::nullopt);
    }
}

TEST(QtPrintDevice, AnA4PdfAt600DpiIsPrintableToItsEdges) {
    TTempDir dir;
    auto device = PdfDevice(dir.File("a.pdf"), 600);
    EXPECT_EQ(device->Resolution(), (TSize{600, 600}));
    EXPECT_EQ(device->PrintableSize(), (TSize{4958, 7017}));  // 595 x 842 points
    EXPECT_EQ(device->PhysicalPage(), device->PrintableSize());
    EXPECT_EQ(device->PrintingOffset(), (TPoint{0, 0}));
}

TEST(QtPrintDevice, WritesOnePdfPagePerPrintedPage) {
    TTempDir dir;
    std::string path = dir.File("three pages.pdf");
    auto device = PdfDevice(path, 600);
    TPagePrinter printer(device.get());
    printer.JobTitle = "Unit1.pas";
    PrintPages(printer, 3);
    EXPECT_FALSE(std::filesystem::exists(path));  // not before the job ends
    printer.FinishJob();
    EXPECT_EQ(device->PagesWritten(), 3);
    std::string info = CommandOutput("pdfinfo '" + path + "'");
    EXPECT_THAT(info, HasSubstr("Pages:           3"));
    EXPECT_THAT(info, HasSubstr("(A4)"));
    EXPECT_THAT(info, HasSubstr("Unit1.pas"));
    EXPECT_THAT(CommandOutput("pdftotext -f 2 -l 2 '" + path + "' -"), HasSubstr("page 2"));
}

TEST(QtPrintDevice, ACancelledJobLeavesNoFileAndKeepsAnOldOne) {
    TTempDir dir;
    std::string path = dir.File("old.pdf");
    WriteWholeFile(path, "old");
    auto device = PdfDevice(path, 300);
    TPagePrinter printer(device.get());
    PrintPages(printer, 2);
    printer.CancelJob();
    EXPECT_EQ(device->PagesWritten(), 0);
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(QtPrintDevice, RefusesAFileItCannotCreate) {
    TTempDir dir;
    std::string path = dir.File("missing/a.pdf");
    auto device = PdfDevice(path, 600);
    TPagePrinter printer(device.get());
    EXPECT_THAT([&] { printer.StartJob(); },
                ThrowsMessage<EFCreateError>(
                    StrEq("Cannot create file " + path + " (No such file or directory)")));
    EXPECT_FALSE(printer.Printing());
}

TEST(QtPrintDevice, WithoutADefaultPrinterSaysSo) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    auto device = TQtPrintDevice::DefaultPrinter(96);
    TPagePrinter printer(device.get());
    EXPECT_THAT([&] { printer.StartJob(); },
                ThrowsMessage<EPrinter>(StrEq("There is no default printer currently selected")));
    EXPECT_FALSE(printer.Printing());
}

}  // namespace
}  // namespace codelume
