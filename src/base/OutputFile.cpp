#include "base/OutputFile.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "base/Errors.h"

namespace codelume {

namespace {

// The temporary files being written, for the SIGINT and SIGTERM handler. A
// slot is taken, gets its path, and only then is armed; the handler reads
// armed slots only, so it never sees a half-written path.
enum TSlotState : int { ssFree, ssTaken, ssArmed };

struct TPendingFile {
    std::atomic<int> State{ssFree};
    char Path[PATH_MAX];
};

constexpr int PendingFileCount = 64;
TPendingFile PendingFiles[PendingFileCount];

extern "C" void RemovePendingFiles(int signalNumber) {
    for (TPendingFile& file : PendingFiles)
        if (file.State.load(std::memory_order_acquire) == ssArmed) unlink(file.Path);
    // SA_RESETHAND restored the default action: the signal ends the process
    // once this handler returns, with the status a caller expects.
    raise(signalNumber);
}

// Takes over SIGINT and SIGTERM where they still have their default action;
// a host that handles or ignores them keeps its choice.
void InstallSignalCleanup() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        for (int signalNumber : {SIGINT, SIGTERM}) {
            struct sigaction current {};
            if (sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
                continue;
            struct sigaction cleanup {};
            cleanup.sa_handler = RemovePendingFiles;
            cleanup.sa_flags = static_cast<int>(SA_RESETHAND);
            sigemptyset(&cleanup.sa_mask);
            sigaction(signalNumber, &cleanup, nullptr);
        }
    });
}

// Holds SIGINT and SIGTERM back while a temporary file is created and armed,
// so neither can end the process between the two.
class TSignalsHeld {
public:
    TSignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        sigaddset(&held, SIGINT);
        sigaddset(&held, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &held, &Previous);
    }
    ~TSignalsHeld() { pthread_sigmask(SIG_SETMASK, &Previous, nullptr); }
    TSignalsHeld(const TSignalsHeld&) = delete;
    TSignalsHeld& operator=(const TSignalsHeld&) = delete;

private:
    sigset_t Previous;
};

// Returns the armed slot of path, or -1 when every slot is in use or the
// path is too long for one (the file then still goes on a normal exit).
int ArmCleanup(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    for (int slot = 0; slot < PendingFileCount; ++slot) {
        TPendingFile& file = PendingFiles[slot];
        int expected = ssFree;
        if (!file.State.compare_exchange_strong(expected, ssTaken)) continue;
        std::memcpy(file.Path, path.c_str(), path.size() + 1);
        file.State.store(ssArmed, std::memory_order_release);
        return slot;
    }
    return -1;
}

void ReleaseCleanup(int slot) {
    if (slot >= 0) PendingFiles[slot].State.store(ssFree, std::memory_order_release);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The destination must be a place a regular file can take: not a folder, not
// a device or pipe (renaming over /dev/null would remove the device), and not
// a file the user may not write.
void CheckDestination(const std::string& destination) {
    if (destination.empty()) throw EFCreateError(destination, SystemReason(ENOENT));
    struct stat info;
    if (lstat(destination.c_str(), &info) != 0) return;
    if (S_ISDIR(info.st_mode)) throw EFCreateError(destination, SystemReason(EISDIR));
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
        throw EFCreateError(destination, "not a regular file");
    if (S_ISREG(info.st_mode) && access(destination.c_str(), W_OK) != 0)
        throw EFCreateError(destination, SystemReason(errno));
}

// A replaced destination keeps its mode; a new one gets the usual mode of a
// new file under the process's file-creation mask.
mode_t ModeFor(const std::string& destination) {
    struct stat previous;
    if (stat(destination.c_str(), &previous) == 0 && S_ISREG(previous.st_mode))
        return previous.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

// The temporary file's descriptor. Writes go straight to the system, so each
// failure is seen where it happens, with its reason.
class TOutputFile::TDescriptorStream : public TStream {
public:
    TDescriptorStream(int descriptor, std::string shownName)
        : Descriptor(descriptor), ShownName(std::move(shownName)) {}
    ~TDescriptorStream() override {
        if (Descriptor >= 0) close(Descriptor);
    }
    TDescriptorStream(const TDescriptorStream&) = delete;
    TDescriptorStream& operator=(const TDescriptorStream&) = delete;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    // Gives the file its mode, flushes it to the device and closes it.
    void Finish(mode_t mode);

private:
    [[noreturn]] void RaiseWriteError(int errorNumber) const {
        throw EWriteError(ShownName, SystemReason(errorNumber));
    }

    int Descriptor;
    std::string ShownName;
};

int32_t TOutputFile::TDescriptorStream::Read(void* buffer, int32_t count) {
    if (count <= 0) return 0;
    ssize_t got;
    do got = read(Descriptor, buffer, static_cast<size_t>(count));
    while (got < 0 && errno == EINTR);
    if (got < 0) throw EReadError();
    return static_cast<int32_t>(got);
}

int32_t TOutputFile::TDescriptorStream::Write(const void* buffer, int32_t count) {
    const char* bytes = static_cast<const char*>(buffer);
    size_t left = count > 0 ? static_cast<size_t>(count) : 0;
    while (left > 0) {
        ssize_t written = write(Descriptor, bytes, left);
        if (written < 0 && errno == EINTR) continue;
        // A write that stores nothing without an error would repeat for ever.
        if (written <= 0) RaiseWriteError(written < 0 ? errno : ENOSPC);
        bytes += written;
        left -= static_cast<size_t>(written);
    }
    return count;
}

int64_t TOutputFile::TDescriptorStream::Seek(int64_t offset, TSeekOrigin origin) {
    int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                 : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                    : SEEK_END;
    off_t position = lseek(Descriptor, offset, whence);
    if (position < 0) throw EStreamError("Stream seek error");
    return position;
}

// Some file systems report a late failure to store the data only at fsync or
// close, so both are checked before the file may replace anything.
void TOutputFile::TDescriptorStream::Finish(mode_t mode) {
    if (fchmod(Descriptor, mode) != 0) RaiseWriteError(errno);
    if (fsync(Descriptor) != 0 && errno != EINVAL) RaiseWriteError(errno);
    int descriptor = Descriptor;
    Descriptor = -1;
    if (close(descriptor) != 0 && errno != EINTR) RaiseWriteError(errno);
}

TOutputFile::TOutputFile(const std::string& destination, TOverwrite overwrite)
    : FDestination(destination), Overwrite(overwrite) {
    CheckDestination(destination);
    std::string pattern = FolderOf(destination) + ".codelume-XXXXXX";
    InstallSignalCleanup();
    TSignalsHeld held;
    // mkostemp creates with O_EXCL, which never follows a symbolic link.
    int descriptor = mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0) throw EFCreateError(destination, SystemReason(errno));
    TemporaryPath = pattern;
    File = std::make_unique<TDescriptorStream>(descriptor, FDestination);
    Slot = ArmCleanup(TemporaryPath);
}

TOutputFile::~TOutputFile() { Discard(); }

TStream& TOutputFile::Stream() { return *File; }

void TOutputFile::Commit() {
    File->Finish(ModeFor(FDestination));
    File.reset();
    Link();
    ReleaseCleanup(Slot);
    Slot = -1;
    TemporaryPath.clear();
}

// Without overwriting, the file is linked in only where nothing exists, so of
// two writers racing for one new name the second fails instead of replacing.
void TOutputFile::Link() {
    const char* from = TemporaryPath.c_str();
    const char* to = FDestination.c_str();
    if (Overwrite == TOverwrite::owReplace) {
        if (rename(from, to) != 0) throw EFCreateError(FDestination, SystemReason(errno));
        return;
    }
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return;
    if (errno != EINVAL && errno != ENOSYS) throw EFCreateError(FDestination, SystemReason(errno));
    // The file system cannot rename without replacing; a hard link can.
    if (link(from, to) != 0) throw EFCreateError(FDestination, SystemReason(errno));
    unlink(from);
}

void TOutputFile::Discard() noexcept {
    File.reset();
    if (!TemporaryPath.empty()) unlink(TemporaryPath.c_str());
    ReleaseCleanup(Slot);
}

void RefuseSourceAsDestination(const std::string& source, const std::string& destination) {
    struct stat from, to;
    if (stat(source.c_str(), &from) != 0 || stat(destination.c_str(), &to) != 0) return;
    if (from.st_dev == to.st_dev && from.st_ino == to.st_ino)
        throw EFCreateError(destination, "it is the source file");
}

bool PathTaken(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

}  // namespace codelume
