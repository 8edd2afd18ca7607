// Times codelume-cli against its peers as whole processes, start-up included,
// on real Pascal: converting 20 MiB, showing the last screen of a 50,000-line
// page and printing that page to PDF. The two programs take turns, so a
// machine whose speed drifts slows both alike, and each ratio is the median of
// the ratios of the pairs. Also times converting a whole tree with one and two
// workers when codelume-cli can, and the desktop program to the first painted
// screen of the page. Prints figures; never fails.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "FpcCorpus.h"
#include "ProcessRun.h"
#include "base/Stream.h"
#include "convert/NewParser.h"
#include "support/TempDir.h"

namespace {

using namespace codelume;
namespace fs = std::filesystem;

constexpr size_t CorpusBytes = 20u << 20;
constexpr int PageLines = 50000;
const std::string Cli = CODELUME_CLI;

struct TComparison {
    std::string Title;
    std::vector<std::string> Ours;
    std::string PeerName;  // empty when the peer is not installed
    std::vector<std::string> Peer;
    double Goal;
};

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double MedianOf(const std::vector<TProcessRun>& runs, double TProcessRun::*field) {
    std::vector<double> values;
    for (const TProcessRun& run : runs) values.push_back(run.*field);
    return Median(values);
}

// The median of the peer's figure over ours, pair by pair.
double MedianRatio(const std::vector<TProcessRun>& ours, const std::vector<TProcessRun>& peer,
                   double TProcessRun::*field) {
    std::vector<double> ratios;
    for (size_t i = 0; i < ours.size() && i < peer.size(); ++i)
        if (ours[i].*field > 0) ratios.push_back(peer[i].*field / ours[i].*field);
    return Median(ratios);
}

void PrintRuns(const std::string& name, const std::vector<TProcessRun>& runs) {
    bool failed = std::any_of(runs.begin(), runs.end(), [](auto& run) { return !run.Succeeded; });
    std::printf("  %-26s %8.3f s  %8.3f s  %8.1f MiB%s\n", name.c_str(),
                MedianOf(runs, &TProcessRun::WallSeconds), MedianOf(runs, &TProcessRun::CpuSeconds),
                MedianOf(runs, &TProcessRun::PeakMiB), failed ? "  (a run failed)" : "");
}

// One warm-up run of each, which fills the file cache, then the rounds in turn.
void Compare(const TComparison& comparison, int rounds) {
    std::printf("\n%s\n  %-26s %10s  %10s  %12s\n", comparison.Title.c_str(),
                "median of runs:", "wall", "cpu", "peak memory");
    bool withPeer = !comparison.PeerName.empty();
    RunProcess(comparison.Ours);
    if (withPeer) RunProcess(comparison.Peer);
    std::vector<TProcessRun> ours, peer;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(RunProcess(comparison.Ours));
        if (withPeer) peer.push_back(RunProcess(comparison.Peer));
    }
    PrintRuns("codelume-cli", ours);
    if (!withPeer) return;
    PrintRuns(comparison.PeerName, peer);
    std::printf("  ratio, peer/codelume: %.1fx of wall time, %.1fx of cpu time (goal %.0fx)\n",
                MedianRatio(ours, peer, &TProcessRun::WallSeconds),
                MedianRatio(ours, peer, &TProcessRun::CpuSeconds), comparison.Goal);
}

std::string WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

std::string PdfPages(const std::string& pdf) {
    std::string info = ProcessOutput({"pdfinfo", pdf});
    size_t at = info.find("Pages:");
    if (at == std::string::npos) return "?";
    return std::to_string(std::atoi(info.c_str() + at + 6));
}

}  // namespace

namespace {

int CountPages(const fs::path& folder) {
    int pages = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".HTM") ++pages;
    return pages;
}

// Files per second of converting fpc-source's rtl folder with 1 and 2 workers.
void CompareBatch(const fs::path& work, int rounds) {
    std::string tree = std::string(FpcSourceRoot) + "/rtl";
    if (ProcessOutput({Cli, "convert", "--help"}).find("-r TREE") == std::string::npos ||
        !fs::is_directory(tree)) {
        std::printf("\nbatch conversion: needs convert -r in codelume-cli and fpc-source\n");
        return;
    }
    std::printf("\nconvert -r %s (median of %d runs)\n", tree.c_str(), rounds);
    fs::path folder = work / "tree";
    for (const char* workers : {"1", "2"}) {
        std::vector<TProcessRun> runs;
        int pages = 0;
        for (int round = 0; round < rounds; ++round) {
            fs::remove_all(folder);
            runs.push_back(RunProcess({Cli, "convert", "-r", tree, "-d", folder, "-j", workers}));
            pages = CountPages(folder);
        }
        double wall = MedianOf(runs, &TProcessRun::WallSeconds);
        std::printf("  -j %s: %d pages in %.2f s, %.0f files/s, peak memory %.1f MiB\n", workers,
                    pages, wall, pages / wall, MedianOf(runs, &TProcessRun::PeakMiB));
    }
}

// Whether the converter's tokenizer reads text without an error: a few files
// of fpc-source hold unterminated strings, which stop a conversion.
bool Tokenizes(const std::string& text) {
    TMemoryStream stream(text);
    try {
        TNewParser parser(stream);
        while (parser.ReadToken() != TokEnd) {
        }
        return true;
    } catch (const ECodelumeError&) {
        return false;
    }
}

struct TInputs {
    std::string Corpus, Source, Page;  // the source of the page is the corpus's first lines
};

// Writes the corpus and converts its first lines to the page; the text is
// freed before anything is measured, since a child starts with a copy of
// this process's memory and its peak can read no lower.
TInputs WriteInputs(const fs::path& work) {
    TCorpus corpus = PascalCorpus(CorpusBytes, Tokenizes);
    TInputs inputs{WriteFile(work / "corpus.pas", corpus.Text),
                   WriteFile(work / "unit.pas", FirstLines(corpus.Text, PageLines)),
                   (work / "unit.htm").string()};
    RunProcess({Cli, "convert", inputs.Source, "-o", inputs.Page, "--force"});
    std::printf("corpus: %.1f MiB, %s; page: its first %d lines, %.1f MiB\n",
                static_cast<double>(corpus.Text.size()) / (1 << 20), corpus.Origin.c_str(),
                PageLines, static_cast<double>(fs::file_size(inputs.Page)) / (1 << 20));
    return inputs;
}

void CompareAll(const fs::path& work, int rounds) {
    TInputs inputs = WriteInputs(work);
    std::printf("(memory of this process, below which no peak reads: %.1f MiB)\n", ResidentMiB());
    std::string png = (work / "shot.png").string(), pdf = (work / "ours.pdf").string(),
                peerPdf = (work / "peer.pdf").string();
    bool kate = IsInstalled("kate-syntax-highlighter");
    Compare({"convert the corpus",
             {Cli, "convert", inputs.Corpus, "-o", work / "ours.htm", "--force"},
             kate ? "kate-syntax-highlighter" : "",
             {"kate-syntax-highlighter", "-s", "Pascal", "-f", "html", "-o", work / "peer.html",
              inputs.Corpus},
             20},
            rounds);
    if (!kate) std::printf("  (kate-syntax-highlighter: package libkf5syntaxhighlighting-tools)\n");
    Compare({"render the last 800x600 screen of the page",
             {Cli, "render", inputs.Page, "-o", png, "--scroll", "2147483647"},
             "QTextDocument",
             {QTEXTDOCUMENT_PEER, "render", inputs.Page, png},
             10},
            rounds);
    Compare({"print the page to an A4 PDF",
             {Cli, "print", inputs.Page, "-o", pdf},
             "QTextDocument::print",
             {QTEXTDOCUMENT_PEER, "print", inputs.Page, peerPdf},
             3},
            rounds);
    std::printf("  pages: codelume %s, QTextDocument %s\n", PdfPages(pdf).c_str(),
                PdfPages(peerPdf).c_str());
    CompareBatch(work, rounds);
    std::printf("\n%s", ProcessOutput({"python3", FIRST_PAINT_SCRIPT, CODELUME_APP, inputs.Source,
                                       std::to_string(rounds)})
                            .c_str());
}

}  // namespace

// bench_peers [--rounds N]
int main(int argc, char** argv) {
    int rounds = 5;
    if (argc == 3 && std::string(argv[1]) == "--rounds") rounds = std::max(1, std::atoi(argv[2]));
    TTempDir scratch;
    CompareAll(scratch.Path(), rounds);
    return 0;
}
