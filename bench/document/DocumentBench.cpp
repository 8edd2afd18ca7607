// Reads and lays out the converter's page of generated Pascal units and a general
// HTML page, with the fixed-metrics and the Qt canvas, then paints 800 x 600
// bands of the long page; prints times and peak memory, and QTextDocument's
// figures for the same page side by side.
#include <sys/resource.h>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "HtmlCorpus.h"
#include "canvas/FixedCanvas.h"
#include "document/Section.h"
#include "qt/ScreenCanvas.h"
#include "reader/DocumentReader.h"
#include "support/TempDir.h"

namespace {

using namespace codelume;

constexpr int Rounds = 3;

// CPU time of this thread, so other work on the machine does not count.
double Now() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

// The best of a few runs, in milliseconds.
double BestMs(const std::function<void()>& run) {
    double best = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        double start = Now();
        run();
        best = std::min(best, (Now() - start) * 1000);
    }
    return best;
}

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

// Reads the page from a file, as the viewer does, so that only the document stays in memory.
void ReadAndLayOut(TSectionList& document, const std::string& path, TCanvas& canvas) {
    TAnchorIndex anchors;
    document.ClearDocument();
    ParseDocumentFile(document, anchors, path);
    int32_t width = 0, curs = 0;
    document.LayoutDocument(canvas, 5, 766, width, curs);
}

std::string WritePage(const TTempDir& scratch, const std::string& page) {
    std::string path = scratch.File("page.htm");
    std::ofstream(path, std::ios::binary) << page;
    return path;
}

void MeasurePage(const char* name, const std::string& path) {
    auto bytes = static_cast<double>(std::filesystem::file_size(path));
    TSectionList document;
    TFixedCanvas fixed;
    TFontCache fonts(96);
    TScreenCanvas screen(fonts);
    double fixedMs = BestMs([&] { ReadAndLayOut(document, path, fixed); });
    double qtMs = BestMs([&] { ReadAndLayOut(document, path, screen); });
    int runs = 0;
    for (const auto& block : document.Blocks)
        if (auto* section = dynamic_cast<const TSection*>(block.get()))
            runs += section->Runs.Count();
    std::printf(
        "%-28s %8.2f MB  read+layout fixed %8.1f ms  Qt %8.1f ms  blocks %d  runs %d  peak %.1f "
        "MiB\n",
        name, bytes / (1 << 20), fixedMs, qtMs, document.Blocks.Count(), runs, PeakMiB());
}

void MeasureTextDocument(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string page((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    QString html = QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size()));
    double ms = BestMs([&] {
        QTextDocument document;
        document.setHtml(html);
        document.setTextWidth(766);
        document.documentLayout()->documentSize();
    });
    std::printf("%-28s setHtml+layout %8.1f ms  peak %.1f MiB\n", "  QTextDocument, same page", ms,
                PeakMiB());
}

void MeasurePainting(const std::string& path) {
    TSectionList document;
    TFontCache fonts(96);
    TScreenCanvas measuring(fonts);
    ReadAndLayOut(document, path, measuring);
    int32_t height = document.Blocks.Last()->TopY + document.Blocks.Last()->BlockHeight;
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    TScreenCanvas canvas(painter, fonts);
    auto paintAt = [&](int32_t y) {
        document.SetScrollY(y);
        canvas.FillRect({0, 0, 800, 600}, clWhite);
        document.PaintDocument(canvas, {0, 0, 800, 600}, 800, 10, 5);
    };
    for (auto [name, y] :
         {std::pair{"top", 0}, std::pair{"middle", height / 2}, std::pair{"end", height - 600}})
        std::printf("  paint an 800 x 600 band at the %-6s %8.3f ms\n", name,
                    BestMs([&] { paintAt(y); }));
    int pages = 0;
    double start = Now();
    for (int32_t y = 0; y < height; y += 600, ++pages) paintAt(y);
    std::printf("  scroll through by pages: %d pages, %.3f ms a page\n", pages,
                (Now() - start) * 1000 / pages);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    std::printf("peak before reading: %.1f MiB\n", PeakMiB());
    TTempDir scratch;
    // The 50,000-line page comes first so that its peak memory is its own.
    for (int lines : {50000, 10000, 100000}) {
        std::string path = WritePage(scratch, ConvertedPage(lines));
        MeasurePage(("converted page, " + std::to_string(lines) + " lines").c_str(), path);
        if (lines == 50000) {
            MeasurePainting(path);
            MeasureTextDocument(path);
        }
    }
    MeasurePage("general HTML", WritePage(scratch, GeneralPage(5u << 20)));
    return 0;
}
