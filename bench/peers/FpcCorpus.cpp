#include "FpcCorpus.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "PascalCorpus.h"

namespace codelume {

namespace fs = std::filesystem;

const char* const FpcSourceRoot = "/usr/share/fpcsrc/3.2.2";

namespace {

bool IsPascalFile(const fs::path& path) {
    std::string extension = path.extension().string();
    return extension == ".pas" || extension == ".pp" || extension == ".inc";
}

std::vector<fs::path> PascalFiles(const fs::path& root) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error))
        if (it->is_regular_file() && IsPascalFile(it->path())) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

TCorpus PascalCorpus(size_t minimumBytes, const std::function<bool(const std::string&)>& accept) {
    TCorpus corpus;
    int taken = 0;
    for (const fs::path& file : PascalFiles(FpcSourceRoot)) {
        if (corpus.Text.size() >= minimumBytes) break;
        std::ifstream in(file, std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (text.empty() || !accept(text)) continue;
        corpus.Text += text;
        if (corpus.Text.back() != '\n') corpus.Text += '\n';
        ++taken;
    }
    if (corpus.Text.size() >= minimumBytes) {
        corpus.Origin = std::to_string(taken) + " files of " + FpcSourceRoot;
        return corpus;
    }
    return {GeneratePascalCorpus(minimumBytes, 1), "generated Pascal (fpc-source is missing)"};
}

std::string FirstLines(const std::string& text, int count) {
    size_t end = 0;
    for (int line = 0; line < count; ++line) {
        size_t feed = text.find('\n', end);
        if (feed == std::string::npos) return text;
        end = feed + 1;
    }
    return text.substr(0, end);
}

}  // namespace codelume
