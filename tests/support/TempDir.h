// A fresh private temporary folder for one test or benchmark, removed with
// everything in it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace codelume {

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::filesystem::path& Path() const { return Root; }
    std::string File(const std::string& name) const { return (Root / name).string(); }

private:
    std::filesystem::path Root;
};

std::string ReadWholeFile(const std::string& path);
// The names in a folder, sorted: to see that no temporary file remains.
std::vector<std::string> FilesIn(const std::filesystem::path& folder);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace codelume
