#include <gmock/gmock.h>

#include <filesystem>
#include <vector>

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

TEST_F(PrintOn, RefusesLoadsUntilTheJobEnds) {
    std::string longPage = LongPage("long.htm", 200, "<title>Long</title>");
    std::string other = Page("other.htm", "<html><body><input type=text value=x></body></html>");
    Viewer.LoadFromFile(longPage);
    std::vector<bool> busy;
    Viewer.OnPrintHeader = [&](TCanvas&, int32_t, int32_t, int32_t, bool&) {
        busy.push_back(Viewer.Busy());
        Viewer.LoadFromFile(other);
    };
    auto pdf = TQtPrintDevice::PdfFile(Dir.File("out.pdf"), 72, 96);
    Viewer.PrintOn(*pdf, 1, 2);
    EXPECT_EQ(pdf->PagesWritten(), 2);
    EXPECT_THAT(busy, ::testing::ElementsAre(true, true));
    EXPECT_EQ(Viewer.PageTitle(), "Long");
    EXPECT_FALSE(Viewer.Busy());
    Viewer.LoadFromFile(other);
    EXPECT_EQ(Viewer.PageTitle(), "");
}

TEST_F(PrintOn, AnEmptyViewerPrintsNothing) {
    auto pdf = TQtPrintDevice::PdfFile(Dir.File("none.pdf"), 72, 96);
    Viewer.PrintOn(*pdf, 1, 9999);
    EXPECT_EQ(Viewer.PageCounter(), 0);
    EXPECT_FALSE(std::filesystem::exists(Dir.File("none.pdf")));
}

}  // namespace
}  // namespace codelume
