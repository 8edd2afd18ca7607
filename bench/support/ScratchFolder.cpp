#include "support/ScratchFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace codelume {

TScratchFolder::TScratchFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "codelume-bench-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot make a folder for the benchmark's files in " +
                                 std::filesystem::temp_directory_path().string() + " (" +
                                 std::strerror(errno) + ")");
    Folder = name;
}

TScratchFolder::~TScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
}

}  // namespace codelume
