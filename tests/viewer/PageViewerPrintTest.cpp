#include <filesystem>

#include "ViewerFixture.h"
#include "qt/QtPrintDevice.h"

namespace codelume {
namespace {

using PrintOn = ViewerFixture;

TEST_F(PrintOn, PrintsTheShownPageWithTheMarginCallbacks) {
    Viewer.LoadFromFile(LongPage("long.htm", 200, "<title>Long</title>"));
    int headers = 0;
    Viewer.OnPrintHeader = [&](TCanvas&, int32_t, int32_t, int32_t, bool&) { ++headers; };
    auto pdf = TQtPrintDevice::PdfFile(Dir.File("out.pdf"), 72, 96);
    Viewer.PrintOn(*pdf, 1, 2);
    EXPECT_EQ(pdf->PagesWritten(), 2);
    EXPECT_EQ(headers, 2);
    EXPECT_TRUE(std::filesystem::exists(Dir.File("out.pdf")));
}

TEST_F(PrintOn, AnEmptyViewerPrintsNothing) {
    auto pdf = TQtPrintDevice::PdfFile(Dir.File("none.pdf"), 72, 96);
    Viewer.PrintOn(*pdf, 1, 9999);
    EXPECT_EQ(Viewer.PageCounter(), 0);
    EXPECT_FALSE(std::filesystem::exists(Dir.File("none.pdf")));
}

}  // namespace
}  // namespace codelume
