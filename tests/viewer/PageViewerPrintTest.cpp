#include <gmock/gmock.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "ViewerFixture.h"
#include "print/FakePrintDevice.h"
#include "qt/QtPrintDevice.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

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

// Events run between pages, so a click can ask for a load or another print
// mid-job: each is refused with the reason, and the job goes on.
TEST_F(PrintOn, RefusesLoadsAndPrintsUntilTheJobEnds) {
    std::string other = Page("other.htm", "<html><body><input type=text value=x></body></html>");
    TFakePrintDevice second;
    struct TRow {
        const char* Name;
        std::function<void()> Ask;
    };
    for (const TRow& row : {TRow{"LoadFromFile", [&] { Viewer.LoadFromFile(other); }},
                            TRow{"LoadFromString", [&] { Viewer.LoadFromString("<p>x"); }},
                            TRow{"PrintOn", [&] { Viewer.PrintOn(second, 1, 1); }}}) {
        SCOPED_TRACE(row.Name);
        Viewer.LoadFromFile(LongPage("long.htm", 200, "<title>Long</title>"));
        std::vector<bool> busy;
        Viewer.OnPrintHeader = [&](TCanvas&, int32_t, int32_t, int32_t, bool&) {
            busy.push_back(Viewer.Busy());
            EXPECT_THAT(row.Ask, ThrowsMessage<EViewerBusy>(
                                     StrEq("The viewer is still busy with another page")));
        };
        auto pdf = TQtPrintDevice::PdfFile(Dir.File("out.pdf"), 72, 96);
        Viewer.PrintOn(*pdf, 1, 2);
        EXPECT_EQ(pdf->PagesWritten(), 2);
        EXPECT_THAT(busy, ElementsAre(true, true));
        EXPECT_EQ(Viewer.PageTitle(), "Long");
        EXPECT_TRUE(second.Calls.empty());
        EXPECT_FALSE(Viewer.Busy());
        Viewer.OnPrintHeader = nullptr;
        EXPECT_NO_THROW(row.Ask());
    }
}

TEST_F(PrintOn, AnEmptyViewerPrintsNothing) {
    auto pdf = TQtPrintDevice::PdfFile(Dir.File("none.pdf"), 72, 96);
    Viewer.PrintOn(*pdf, 1, 9999);
    EXPECT_EQ(Viewer.PageCounter(), 0);
    EXPECT_FALSE(std::filesystem::exists(Dir.File("none.pdf")));
}

}  // namespace
}  // namespace codelume
