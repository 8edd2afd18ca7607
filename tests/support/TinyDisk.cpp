#include "support/TinyDisk.h"

#include <sys/mount.h>

#include <csignal>

namespace codelume {

TTinyDisk::TTinyDisk(int kilobytes) {
    std::string options = "size=" + std::to_string(kilobytes) + "k";
    FMounted = mount("tmpfs", Dir.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
}

TTinyDisk::~TTinyDisk() {
    if (FMounted) umount2(Dir.Path().c_str(), MNT_DETACH);
}

TFileSizeLimit::TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &Previous);
    PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = Previous;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

TFileSizeLimit::~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Previous);
    std::signal(SIGXFSZ, PreviousHandler);
}

}  // namespace codelume
