// Inputs whose cost once grew with the square of their size: a million named
// anchors (added in ascending and in descending order, and moved by BODY tags),
// a 20,000-row table printed with and without borders, and a 10 MB paragraph.
// Each figure is CPU time of the engine (reading, layout, printing), so other
// work on the machine does not count.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "canvas/FixedCanvas.h"
#include "document/AnchorIndex.h"
#include "print/DocumentPrinter.h"
#include "qt/QtPrintDevice.h"
#include "reader/DocumentReader.h"
#include "support/ScratchFolder.h"

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

std::string Paragraph(size_t bytes) {
    std::string page = "<P>";
    while (page.size() < bytes) page += "words of a paragraph that never ends ";
    return page;
}

// Reads and lays out at 600 pixels with the fixed metrics.
double ReadAndLayOut(const std::string& page, TSectionList& document, TAnchorIndex& anchors) {
    double start = CpuSeconds();
    ParseDocumentBuffer(document, anchors, page.data(), static_cast<int32_t>(page.size()));
    TFixedCanvas canvas;
    int32_t maxWidth = 0, curs = 0;
    document.LayoutDocument(canvas, 0, 600, maxWidth, curs);
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

void ParagraphCase() {
    std::string page = Paragraph(10u << 20);
    TSectionList document;
    TAnchorIndex anchors;
    double seconds = ReadAndLayOut(page, document, anchors);
    std::printf("10 MB paragraph: %d blocks, %.3f s\n", document.Blocks.Count(), seconds);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    std::printf("CPU seconds of reading, layout at 600 px (fixed metrics) and printing\n");
    AnchorCase(false);
    AnchorCase(true);
    TScratchFolder scratch;
    TableCase(0, scratch.File("table.pdf"));
    TableCase(1, scratch.File("table.pdf"));
    ParagraphCase();
    return 0;
}
