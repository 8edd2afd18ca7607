// Converts a generated corpus of realistic Pascal (or the given files, repeated)
// of at least 20 MB in memory and prints MB/s (of CPU time) and the peak
// memory of the conversion; then, unless --no-peer is given, times
// kate-syntax-highlighter on the same text, when it is installed, for a
// side-by-side figure.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "PascalCorpus.h"
#include "convert/HtmlParser.h"
#include "support/TempDir.h"

namespace {

using namespace codelume;
// CPU time of this thread, so other work on the machine does not count.
double CpuSeconds() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

constexpr size_t CorpusBytes = 20u << 20;
constexpr int Rounds = 3;

double Megabytes(size_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long ResidentKilobytes() {
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// CPU time of the finished child processes (the peer and its shell).
double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string ReadFiles(const std::vector<std::string>& files) {
    std::string text;
    while (text.size() < CorpusBytes)
        for (const std::string& file : files) {
            std::ifstream in(file, std::ios::binary);
            text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            if (!text.empty() && text.back() != '\n') text += "\r\n";
        }
    return text;
}

// One conversion of the whole corpus; returns the seconds it took.
double ConvertOnce(TMemoryStream& input, size_t& pageBytes) {
    input.SetPosition(0);
    TMemoryStream output;
    double start = CpuSeconds();
    THtmlParser parser(input, output);
    parser.FullPage = true;
    parser.FileName = "Corpus.pas";
    parser.ConvertSource();
    double seconds = CpuSeconds() - start;
    pageBytes = output.Data().size();
    return seconds;
}

double TokenizeOnce(TMemoryStream& input) {
    input.SetPosition(0);
    double start = CpuSeconds();
    TNewParser parser(input);
    while (parser.ReadToken() != TokEnd) {
    }
    return CpuSeconds() - start;
}

void TimePeer(const std::string& corpus) {
    if (std::system("command -v kate-syntax-highlighter >/dev/null 2>&1") != 0) {
        std::printf(
            "kate-syntax-highlighter: not installed (package libkf5syntaxhighlighting-tools)\n");
        return;
    }
    TTempDir scratch;
    std::string source = scratch.File("corpus.pas"), page = scratch.File("corpus.html");
    std::ofstream(source, std::ios::binary) << corpus;
    std::string command =
        "kate-syntax-highlighter -s Pascal -f html -o '" + page + "' '" + source + "' 2>/dev/null";
    double start = WallSeconds(), childStart = ChildCpuSeconds();
    int status = std::system(command.c_str());
    double seconds = WallSeconds() - start, cpu = ChildCpuSeconds() - childStart;
    if (status != 0)
        std::printf("kate-syntax-highlighter: failed (status %d)\n", status);
    else
        std::printf(
            "kate-syntax-highlighter: %.1f MB/s of CPU time (%.2f s), %.1f MB/s of wall time (%.2f "
            "s)\n",
            Megabytes(corpus.size()) / cpu, cpu, Megabytes(corpus.size()) / seconds, seconds);
}

}  // namespace

// bench_convert [--no-peer] [FILE...]
int main(int argc, char** argv) {
    std::vector<std::string> files(argv + 1, argv + argc);
    bool peer = files.empty() || files[0] != "--no-peer";
    if (!peer) files.erase(files.begin());
    std::string corpus = files.empty() ? GeneratePascalCorpus(CorpusBytes, 1) : ReadFiles(files);
    std::printf("corpus: %.1f MB of %s\n", Megabytes(corpus.size()),
                files.empty() ? "generated Pascal" : "the given files");
    TMemoryStream input(std::move(corpus));
    const std::string& source = input.Data();
    long before = ResidentKilobytes();
    size_t pageBytes = 0;
    double best = ConvertOnce(input, pageBytes);
    long peak = PeakKilobytes() - before;
    for (int round = 1; round < Rounds; ++round)
        best = std::min(best, ConvertOnce(input, pageBytes));
    double tokenize = TokenizeOnce(input);
    for (int round = 1; round < Rounds; ++round) tokenize = std::min(tokenize, TokenizeOnce(input));
    std::printf("conversion: %.1f MB/s (best of %d, %.3f s of CPU time), page %.1f MB\n",
                Megabytes(source.size()) / best, Rounds, best, Megabytes(pageBytes));
    std::printf("tokenizer alone: %.1f MB/s\n", Megabytes(source.size()) / tokenize);
    auto peakBytes = static_cast<double>(peak) * 1024.0;
    std::printf("peak memory of a conversion: %.1f MB, %.2f times the source\n",
                Megabytes(static_cast<size_t>(peakBytes)),
                peakBytes / static_cast<double>(source.size()));
    if (peer) TimePeer(source);
    return 0;
}
