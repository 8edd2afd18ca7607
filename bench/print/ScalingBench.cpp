// Inputs whose cost once grew with the square of their size: a million named
// anchors (added in ascending and in descending order, and moved by BODY tags),
// a 20,000-row table printed with and without borders, a 10 MB paragraph, and
// a megabyte of form controls or of images in one paragraph.
// Each figure is CPU time (reading, layout, printing), so other work on the
// machine does not count. The table is printed once more on a device that
// only counts the draw calls, for the engine's own share of the time.
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "canvas/FixedCanvas.h"
#include "canvas/PrintDevice.h"
#include "document/AnchorIndex.h"
#include "print/DocumentPrinter.h"
#include "qt/QtPrintDevice.h"
#include "reader/DocumentReader.h"
#include "support/TempDir.h"

namespace {

using namespace codelume;

double CpuSeconds() {
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

std::string Anchors(int count, bool descending) {
    std::string page;
    for (int i = 0; i < count; ++i) {
        int number = descending ? count - i : i;
        page += "<A NAME=a" + std::to_string(number) + ">";
        // A BODY before any block moves every anchor read so far.
        if (i % 1000 == 0) page += "<BODY>";
    }
    return page + "<P>end";
}

std::string Table(int rows, int border) {
    std::string page = "<TABLE BORDER=" + std::to_string(border) + ">";
    for (int row = 0; row < rows; ++row)
        page += "<TR><TD>row " + std::to_string(row) + "<TD>second cell<TD>third";
    return page + "</TABLE>";
}

std::string Repeated(const std::string& tag, size_t bytes) {
    std::string page = "<P>";
    while (page.size() < bytes) page += tag;
    return page;
}

// Reads and lays out with the fixed metrics, at 600 pixels unless given.
double ReadAndLayOut(const std::string& page, TSectionList& document, TAnchorIndex& anchors,
                     int32_t width = 600) {
    double start = CpuSeconds();
    ParseDocumentBuffer(document, anchors, page.data(), static_cast<int32_t>(page.size()));
    TFixedCanvas canvas;
    int32_t maxWidth = 0, curs = 0;
    document.LayoutDocument(canvas, 0, width, maxWidth, curs);
    return CpuSeconds() - start;
}

void AnchorCase(bool descending) {
    std::string page = Anchors(1000000, descending);
    TSectionList document;
    TAnchorIndex anchors;
    double seconds = ReadAndLayOut(page, document, anchors);
    double start = CpuSeconds();
    bool found = anchors.Find("A500000") != nullptr;
    seconds += CpuSeconds() - start;
    std::printf("1,000,000 anchors, %s: %d names, %.3f s (found: %s)\n",
                descending ? "descending" : "ascending", anchors.Count(), seconds,
                found ? "yes" : "no");
}

void TableCase(int border, const std::string& pdf) {
    std::string page = Table(20000, border);
    TSectionList document;
    TAnchorIndex anchors;
    document.SetDefaults("Times New Roman", "Courier New", clBtnFace, clBlue, clBtnText, 12);
    ParseDocumentBuffer(document, anchors, page.data(), static_cast<int32_t>(page.size()));
    auto device = TQtPrintDevice::PdfFile(pdf, 600, 96);
    int32_t counter = 0;
    double start = CpuSeconds();
    PrintDocument(document, TPrintSettings{}, *device, 1, 99999, counter);
    double seconds = CpuSeconds() - start;
    std::printf("20,000-row table, BORDER=%d, printed: %d pages in %.3f s, %.0f KB of PDF\n",
                border, device->PagesWritten(), seconds,
                static_cast<double>(std::filesystem::file_size(pdf)) / 1024);
}

// Fixed metrics, and draw calls counted instead of drawn.
class TCountingCanvas : public TFixedCanvas {
public:
    void TextOut(const TFont&, int32_t, int32_t, std::string_view, TColor, std::optional<TColor>,
                 std::optional<TRect>) override {
        ++Draws;
    }
    void FillRect(const TRect&, TColor) override { ++Draws; }
    void Line(TPoint, TPoint, TColor) override { ++Draws; }
    void Ellipse(const TRect&, TColor, std::optional<TColor>) override { ++Draws; }
    void DrawImage(const TPicture&, int32_t, const TRect&, std::optional<TRect>) override {
        ++Draws;
    }
    void TileImage(const TPicture&, const TRect&, TPoint) override { ++Draws; }
    void SetClip(const TRect&) override {}
    void ResetClip() override {}
    void SetMapping(const TMapping&) override {}

    long Draws = 0;
};

// An A4 sheet at 600 dots per inch that keeps only the count of pages and
// the most draw calls any page took.
class TCountingDevice : public TPrintDevice {
public:
    void StartDoc(const std::string&) override {}
    void StartPage() override { Surface.Draws = 0; }
    void EndPage() override {
        ++Pages;
        MostDraws = std::max(MostDraws, Surface.Draws);
    }
    void EndDoc() override {}
    void AbortDoc() override {}
    TSize PrintableSize() const override { return {4961, 7016}; }
    TSize Resolution() const override { return {600, 600}; }
    std::optional<TSize> PhysicalPage() const override { return TSize{4961, 7016}; }
    std::optional<TPoint> PrintingOffset() const override { return TPoint{0, 0}; }
    TCanvas& Canvas() override { return Surface; }

    int Pages = 0;
    long MostDraws = 0;

private:
    TCountingCanvas Surface;
};

void EngineTableCase(int rows) {
    std::string page = Table(rows, 1);
    TSectionList document;
    TAnchorIndex anchors;
    ParseDocumentBuffer(document, anchors, page.data(), static_cast<int32_t>(page.size()));
    TCountingDevice device;
    int32_t counter = 0;
    double start = CpuSeconds();
    PrintDocument(document, TPrintSettings{}, device, 1, 99999, counter);
    double seconds = CpuSeconds() - start;
    std::printf(
        "%d-row table, BORDER=1, engine only: %d pages in %.3f s, at most %ld draws a page\n", rows,
        device.Pages, seconds, device.MostDraws);
}

void ParagraphCase() {
    std::string page = Repeated("words of a paragraph that never ends ", 10u << 20);
    TSectionList document;
    TAnchorIndex anchors;
    double seconds = ReadAndLayOut(page, document, anchors);
    std::printf("10 MB paragraph: %d blocks, %.3f s\n", document.Blocks.Count(), seconds);
}

// Every line of a block once looked at every object of the block.
void ObjectsCase(const char* what, const std::string& tag) {
    std::string page = Repeated(tag, 1u << 20);
    for (int32_t width : {600, 37}) {
        TSectionList document;
        TAnchorIndex anchors;
        double seconds = ReadAndLayOut(page, document, anchors, width);
        std::printf("1 MB of %s at %d px: %d blocks, %.3f s\n", what, width,
                    document.Blocks.Count(), seconds);
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    std::printf("CPU seconds of reading, layout at 600 px (fixed metrics) and printing\n");
    AnchorCase(false);
    AnchorCase(true);
    TTempDir scratch;
    TableCase(0, scratch.File("table.pdf"));
    TableCase(1, scratch.File("table.pdf"));
    EngineTableCase(2000);
    EngineTableCase(20000);
    ParagraphCase();
    ObjectsCase("<INPUT>", "<INPUT>");
    ObjectsCase("<IMG>", "<IMG SRC=a.png>");
    return 0;
}
