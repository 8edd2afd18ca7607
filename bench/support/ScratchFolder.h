// A fresh private folder for a benchmark's files: made by mkdtemp in the
// system's temporary folder, so no other user can predict or plant a name in
// it, and removed with everything in it when the benchmark ends.
#pragma once

#include <filesystem>
#include <string>

namespace codelume {

class TScratchFolder {
public:
    // Raises std::runtime_error when no folder can be made.
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return Folder; }
    std::string File(const std::string& name) const { return (Folder / name).string(); }

private:
    std::filesystem::path Folder;
};

}  // namespace codelume
