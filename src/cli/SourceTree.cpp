#include "cli/SourceTree.h"

#include <algorithm>
#include <filesystem>

#include "base/Errors.h"
#include "convert/FileNames.h"

namespace codelume {

namespace {

namespace fs = std::filesystem;

std::string FolderProblem(const fs::path& folder, const std::error_code& error) {
    return "Cannot open folder " + folder.string() + " (" + error.message() + ")";
}

// Walks one folder; its subfolders follow through the caller's queue.
void ScanFolder(const fs::path& tree, const fs::path& folder, std::vector<fs::path>& pending,
                TSourceTree& found) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const fs::directory_entry& entry = *entries;
        std::error_code ignored;
        if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
            pending.push_back(entry.path());
        else if (entry.is_regular_file(ignored) && IsSourceFileName(entry.path().filename()))
            found.Files.push_back(entry.path().lexically_relative(tree).string());
    }
    if (error) found.Problems.push_back(FolderProblem(folder, error));
}

bool FolderThenName(const std::string& a, const std::string& b) {
    fs::path left(a), right(b);
    if (left.parent_path() != right.parent_path()) return left.parent_path() < right.parent_path();
    return left.filename() < right.filename();
}

}  // namespace

bool IsSourceFileName(const std::string& name) {
    std::string extension = ExtractFileExt(name);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* known :
         {".pas", ".pp", ".inc", ".dpr", ".lpr", ".dpk", ".dfm", ".lfm", ".xfm", ".fmx"})
        if (extension == known) return true;
    return false;
}

TSourceTree FindSources(const std::string& tree) {
    std::error_code error;
    if (!fs::is_directory(tree, error))
        throw ECodelumeError(
            FolderProblem(tree, error ? error : std::make_error_code(std::errc::not_a_directory)));
    // "rtl/" and "rtl" name the same tree; paths are made relative to "rtl".
    fs::path root = fs::path(tree).lexically_normal();
    if (!root.has_filename() && root.has_relative_path()) root = root.parent_path();
    TSourceTree found;
    std::vector<fs::path> pending{root};
    while (!pending.empty()) {
        fs::path folder = pending.back();
        pending.pop_back();
        ScanFolder(root, folder, pending, found);
    }
    std::sort(found.Files.begin(), found.Files.end(), FolderThenName);
    return found;
}

}  // namespace codelume
