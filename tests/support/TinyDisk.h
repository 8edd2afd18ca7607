// Failing disks for the tests of everything that writes files: a tmpfs of a
// few kilobytes that fills up ("No space left on device"), and a file size
// limit for the whole process ("File too large").
#pragma once

#include <sys/resource.h>

#include <string>

#include "support/TempDir.h"

namespace codelume {

// Mounting needs privileges; tests skip when Mounted() is false.
class TTinyDisk {
public:
    explicit TTinyDisk(int kilobytes);
    ~TTinyDisk();
    TTinyDisk(const TTinyDisk&) = delete;
    TTinyDisk& operator=(const TTinyDisk&) = delete;

    bool Mounted() const { return FMounted; }
    std::string File(const std::string& name) const { return Dir.File(name); }
    const std::filesystem::path& Path() const { return Dir.Path(); }

private:
    TTempDir Dir;
    bool FMounted;
};

// Writes past the limit fail with EFBIG instead of raising SIGXFSZ.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes);
    ~TFileSizeLimit();
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit Previous;
    void (*PreviousHandler)(int);
};

}  // namespace codelume
