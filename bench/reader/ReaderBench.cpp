// Reads and lays out, at 600 pixels, the converter's pages of generated units of
// 10,000, 50,000 and 100,000 lines and a 5 MB general HTML page, with the
// fixed-metrics and the Qt canvas; QTextDocument reads and lays out the
// 50,000-line page beside them. Every case runs in a child process of its own,
// so its peak memory is its own; times are the best of a few rounds, in CPU
// time of the process (other work on the machine does not count) and wall time.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "GeneralHtml.h"
#include "PascalCorpus.h"
#include "base/Stream.h"
#include "canvas/FixedCanvas.h"
#include "convert/HtmlParser.h"
#include "qt/ScreenCanvas.h"
#include "reader/DocumentReader.h"
#include "support/TempDir.h"

namespace {

using namespace codelume;

constexpr int Rounds = 5;
constexpr int32_t LayoutWidth = 600;
constexpr size_t GeneralBytes = 5u << 20;

enum class TEngine { Fixed, Qt, TextDocument };

struct TCase {
    std::string Name;
    std::string Page;  // file holding the page
    int Lines;         // of the unit; 0 for the general page
    TEngine Engine;
};

// What a child reports; times in milliseconds.
struct TFigures {
    double ReadCpu = 1e9, ReadWall = 1e9, LayoutCpu = 1e9, LayoutWall = 1e9;
    double FirstTotalCpu = 0;
    double PeakMiB = 0, StartMiB = 0;
    int32_t Height = 0;
    int Blocks = 0;
};

struct TInstant {
    double Cpu, Wall;
    static double Clock(clockid_t id) {
        timespec time{};
        clock_gettime(id, &time);
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) * 1e-6;
    }
    static TInstant Now() { return {Clock(CLOCK_PROCESS_CPUTIME_ID), Clock(CLOCK_MONOTONIC)}; }
};

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

double ResidentMiB() {
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Keeps the best read and layout times of the rounds, and the first total.
void Record(TFigures& figures, int round, TInstant start, TInstant read, TInstant laidOut) {
    figures.ReadCpu = std::min(figures.ReadCpu, read.Cpu - start.Cpu);
    figures.ReadWall = std::min(figures.ReadWall, read.Wall - start.Wall);
    figures.LayoutCpu = std::min(figures.LayoutCpu, laidOut.Cpu - read.Cpu);
    figures.LayoutWall = std::min(figures.LayoutWall, laidOut.Wall - read.Wall);
    if (round == 0) figures.FirstTotalCpu = laidOut.Cpu - start.Cpu;
}

// The viewer's way: a fresh document with its defaults, the page from a buffer.
void MeasureEngine(const std::string& page, TCanvas& canvas, TFigures& figures) {
    for (int round = 0; round < Rounds; ++round) {
        TSectionList document;
        TAnchorIndex anchors;
        TInstant start = TInstant::Now();
        ParseDocumentBuffer(document, anchors, page.data(), static_cast<int32_t>(page.size()));
        TInstant read = TInstant::Now();
        int32_t maxWidth = 0, curs = 0;
        figures.Height = document.LayoutDocument(canvas, 0, LayoutWidth, maxWidth, curs);
        Record(figures, round, start, read, TInstant::Now());
        figures.Blocks = document.Blocks.Count();
    }
}

void MeasureTextDocument(const std::string& page, TFigures& figures) {
    QString html = QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size()));
    for (int round = 0; round < Rounds; ++round) {
        QTextDocument document;
        TInstant start = TInstant::Now();
        document.setHtml(html);
        TInstant read = TInstant::Now();
        document.setTextWidth(LayoutWidth);
        figures.Height = static_cast<int32_t>(document.documentLayout()->documentSize().height());
        Record(figures, round, start, read, TInstant::Now());
        figures.Blocks = document.blockCount();
    }
}

TFigures Measure(const TCase& row) {
    TFigures figures;
    std::string page = ReadFile(row.Page);
    if (row.Engine == TEngine::Fixed) {
        TFixedCanvas canvas;
        figures.StartMiB = ResidentMiB();
        MeasureEngine(page, canvas, figures);
    } else {
        int argc = 1;
        char name[] = "bench_reader";
        char* argv[] = {name, nullptr};
        QGuiApplication application(argc, argv);
        figures.StartMiB = ResidentMiB();
        if (row.Engine == TEngine::Qt) {
            TFontCache fonts(96);
            TScreenCanvas canvas(fonts);
            MeasureEngine(page, canvas, figures);
        } else {
            MeasureTextDocument(page, figures);
        }
    }
    figures.PeakMiB = PeakMiB();
    return figures;
}

// Runs the case in a child process and returns what it reported.
std::optional<TFigures> MeasureInChild(const TCase& row) {
    int channel[2];
    if (pipe(channel) != 0) return std::nullopt;
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        TFigures figures = Measure(row);
        bool sent =
            write(channel[1], &figures, sizeof figures) == static_cast<ssize_t>(sizeof figures);
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    TFigures figures;
    bool received = child > 0 && read(channel[0], &figures, sizeof figures) ==
                                     static_cast<ssize_t>(sizeof figures);
    close(channel[0]);
    int status = 0;
    if (child > 0) waitpid(child, &status, 0);
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return figures;
}

// The first lines of a generated unit, each ending in CR LF.
std::string UnitOfLines(int lines) {
    for (size_t bytes = static_cast<size_t>(lines) * 40;; bytes *= 2) {
        std::string source = GeneratePascalCorpus(bytes, 3);
        size_t end = 0;
        for (int line = 0; line < lines && end != std::string::npos; ++line)
            end = source.find('\n', end + 1);
        if (end != std::string::npos) return source.substr(0, end + 1);
    }
}

std::string ConvertedPage(const std::string& source) {
    TMemoryStream input(source), output;
    THtmlParser parser(input, output);
    parser.FullPage = true;
    parser.FileName = "Generated.pas";
    parser.ConvertSource();
    return output.Data();
}

std::string WritePage(const std::filesystem::path& folder, const std::string& name,
                      const std::string& page) {
    std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary) << page;
    return path;
}

const char* EngineName(TEngine engine) {
    switch (engine) {
        case TEngine::Fixed:
            return "fixed metrics";
        case TEngine::Qt:
            return "Qt canvas";
        case TEngine::TextDocument:
            return "QTextDocument";
    }
    return "";
}

void PrintRow(const TCase& row, const TFigures& f) {
    double megabytes = static_cast<double>(std::filesystem::file_size(row.Page)) / (1 << 20);
    std::printf(
        "%-22s %-14s %5.1f  %7.1f (%7.1f)  %7.1f (%7.1f)  %7.1f  %7.1f  %7d  %9d  %6.1f (%5.1f)\n",
        row.Name.c_str(), EngineName(row.Engine), megabytes, f.ReadCpu, f.ReadWall, f.LayoutCpu,
        f.LayoutWall, f.ReadCpu + f.LayoutCpu, f.FirstTotalCpu, f.Blocks, f.Height, f.PeakMiB,
        f.StartMiB);
}

struct TResult {
    TCase Row;
    TFigures Figures;
};

const TFigures* Find(const std::vector<TResult>& results, int lines, TEngine engine) {
    for (const TResult& result : results)
        if (result.Row.Lines == lines && result.Row.Engine == engine) return &result.Figures;
    return nullptr;
}

void PrintSummary(const std::vector<TResult>& results) {
    const TFigures* qt = Find(results, 50000, TEngine::Qt);
    const TFigures* peer = Find(results, 50000, TEngine::TextDocument);
    if (qt)
        std::printf(
            "\n50,000 lines, Qt canvas: read + layout %.1f ms of CPU (target < 200), peak %.1f MiB "
            "(target < 60)\n",
            qt->ReadCpu + qt->LayoutCpu, qt->PeakMiB);
    if (qt && peer)
        std::printf(
            "QTextDocument on the same page: %.1f ms, %.1f MiB (%.1f times the time, %.1f times "
            "the memory)\n",
            peer->ReadCpu + peer->LayoutCpu, peer->PeakMiB,
            (peer->ReadCpu + peer->LayoutCpu) / (qt->ReadCpu + qt->LayoutCpu),
            peer->PeakMiB / qt->PeakMiB);
    for (TEngine engine : {TEngine::Fixed, TEngine::Qt}) {
        std::printf("layout per 10,000 lines, %-14s", EngineName(engine));
        for (int lines : {10000, 50000, 100000})
            if (const TFigures* f = Find(results, lines, engine))
                std::printf("  %6d lines: %6.2f ms", lines, f->LayoutCpu * 10000 / lines);
        const TFigures* small = Find(results, 10000, engine);
        const TFigures* large = Find(results, 100000, engine);
        if (small && large)
            std::printf("  (100k / 10k: %.2f times the cost a line)",
                        large->LayoutCpu / small->LayoutCpu / 10);
        std::printf("\n");
    }
}

// Wall times mean little when the machine is busy; the load says how busy.
void PrintLoad() {
    double load = 0;
    if (std::FILE* file = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(file, "%lf", &load) != 1) load = 0;
        std::fclose(file);
    }
    std::printf("load average %.1f on %ld processors\n", load, sysconf(_SC_NPROCESSORS_ONLN));
}

std::vector<TCase> PreparePages(const std::filesystem::path& folder) {
    std::vector<TCase> rows;
    for (int lines : {10000, 50000, 100000}) {
        std::string name = std::to_string(lines / 1000) + "k";
        std::string page = WritePage(folder, name + ".htm", ConvertedPage(UnitOfLines(lines)));
        for (TEngine engine : {TEngine::Fixed, TEngine::Qt})
            rows.push_back({"unit, " + name + " lines", page, lines, engine});
        if (lines == 50000)
            rows.push_back({"unit, " + name + " lines", page, lines, TEngine::TextDocument});
    }
    std::string general = WritePage(folder, "general.htm", GenerateGeneralHtml(GeneralBytes));
    for (TEngine engine : {TEngine::Fixed, TEngine::Qt})
        rows.push_back({"general HTML", general, 0, engine});
    return rows;
}

}  // namespace

int main() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TTempDir scratch;
    std::vector<TCase> rows = PreparePages(scratch.Path());
    PrintLoad();
    std::printf(
        "Read (ParseDocumentBuffer) and layout at %d px; best of %d rounds; ms of CPU (wall); "
        "first = first round's total; peak = maxrss of the case's process (RSS when it "
        "started)\n\n",
        LayoutWidth, Rounds);
    std::printf("%-22s %-14s %5s  %17s  %17s  %7s  %7s  %7s  %9s  %14s\n", "page", "engine", "MB",
                "read ms", "layout ms", "total", "first", "blocks", "height", "peak MiB");
    std::vector<TResult> results;
    for (const TCase& row : rows) {
        std::optional<TFigures> figures = MeasureInChild(row);
        if (!figures) {
            std::printf("%-22s %-14s failed\n", row.Name.c_str(), EngineName(row.Engine));
            continue;
        }
        PrintRow(row, *figures);
        results.push_back({row, *figures});
    }
    PrintSummary(results);
    return 0;
}
