// Prints the highlighted page of a generated 10,000-line Pascal unit to an A4
// PDF at 600 dpi with 2 cm margins, and prints pages per second and the peak
// memory; then does the same with QTextDocument::print for a figure side by side.
// Each measurement runs in a child process of its own, so each peak is its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPrinter>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>

#include "../convert/PascalCorpus.h"
#include "base/Stream.h"
#include "convert/HtmlParser.h"
#include "document/AnchorIndex.h"
#include "print/DocumentPrinter.h"
#include "qt/QtPrintDevice.h"
#include "reader/DocumentReader.h"
#include "support/TempDir.h"

namespace {

using namespace codelume;

constexpr int UnitLines = 10000;
constexpr int Dpi = 600;
constexpr int Rounds = 3;

// CPU time of this process, so other work on the machine does not count.
double CpuSeconds() {
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

// The first UnitLines lines of a generated corpus, converted to a full page.
std::string UnitPage() {
    std::string corpus = GeneratePascalCorpus(UnitLines * 60, 1);
    size_t end = 0;
    for (int line = 0; line < UnitLines && end != std::string::npos; ++line)
        end = corpus.find('\n', end + 1);
    TMemoryStream input(corpus.substr(0, end == std::string::npos ? corpus.size() : end + 1));
    TMemoryStream output;
    THtmlParser parser(input, output);
    parser.FullPage = true;
    parser.FileName = "Unit1.pas";
    parser.ConvertSource();
    return output.Data();
}

// Runs one printing in a child; returns the child's peak memory in kilobytes.
long InChild(const std::function<void()>& measure) {
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        measure();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::printf("  (the measurement failed)\n");
    return usage.ru_maxrss;
}

// The page count of the PDF just written, as pdfinfo reads it back.
int PdfPages(const std::string& pdf) {
    int pages = 0;
    if (std::FILE* info = popen(("pdfinfo '" + pdf + "'").c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, info))
            if (std::sscanf(line, "Pages: %d", &pages) == 1) break;
        pclose(info);
    }
    return pages;
}

void Report(const char* name, int pages, double seconds) {
    std::printf("%s: %d pages in %.3f s of CPU time (best of %d), %.0f pages/s\n", name, pages,
                seconds, Rounds, pages / seconds);
}

void PrintOurs(const std::string& page, const std::string& pdf) {
    TSectionList document;
    TAnchorIndex anchors;
    document.SetDefaults("Times New Roman", "Courier New", clBtnFace, clBlue, clBtnText, 12);
    ParseDocumentBuffer(document, anchors, page.data(), static_cast<int32_t>(page.size()));
    double best = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        auto device = TQtPrintDevice::PdfFile(pdf, Dpi, 96);
        int32_t counter = 0;
        double start = CpuSeconds();
        PrintDocument(document, TPrintSettings{}, *device, 1, 9999, counter);
        best = std::min(best, CpuSeconds() - start);
    }
    Report("codelume", PdfPages(pdf), best);
}

void PrintPeer(const std::string& page, const std::string& pdf) {
    QTextDocument document;
    document.setHtml(QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size())));
    double best = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printer.setResolution(Dpi);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        double start = CpuSeconds();
        document.print(&printer);
        best = std::min(best, CpuSeconds() - start);
    }
    Report("QTextDocument::print", PdfPages(pdf), best);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    std::string page = UnitPage();
    std::printf("page of a %d-line unit: %.1f KB of HTML, A4 at %d dpi, 2 cm margins\n", UnitLines,
                static_cast<double>(page.size()) / 1024, Dpi);
    TTempDir scratch;
    std::string pdf = scratch.File("unit.pdf");
    long ours = InChild([&] { PrintOurs(page, pdf); });
    std::printf("  peak memory %.1f MB\n", static_cast<double>(ours) / 1024);
    long peer = InChild([&] { PrintPeer(page, pdf); });
    std::printf("  peak memory %.1f MB\n", static_cast<double>(peer) / 1024);
    return 0;
}
