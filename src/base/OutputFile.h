// Every file Codelume writes goes through TOutputFile: the output is written to
// a new temporary file beside the destination and takes the destination's
// name only once it is complete, so a failed or interrupted write leaves the
// destination byte for byte as it was and no temporary file behind.
#pragma once

#include <memory>
#include <string>

#include "base/Stream.h"

namespace codelume {

// What committing does when the destination already exists.
enum class TOverwrite { owNever, owReplace };

// Owns the temporary file until Commit gives it the destination's name; the
// destructor removes an uncommitted one, and so does SIGINT or SIGTERM.
class TOutputFile {
public:
    // Creates the temporary file exclusively (never through a symlink) in the
    // destination's folder. Fails with "Cannot create file DEST (reason)".
    TOutputFile(const std::string& destination, TOverwrite overwrite);
    ~TOutputFile();
    TOutputFile(const TOutputFile&) = delete;
    TOutputFile& operator=(const TOutputFile&) = delete;

    // Every write is checked: "Cannot write file DEST (reason)".
    TStream& Stream();
    // Flushes the data to the device, closes the file and puts it in the
    // destination's place: over it for owReplace, only where nothing exists
    // for owNever. Any failure raises and leaves the destination untouched.
    void Commit();

    const std::string& Destination() const { return FDestination; }

private:
    class TDescriptorStream;

    void Link();
    void Discard() noexcept;

    std::string FDestination;
    TOverwrite Overwrite;
    std::string TemporaryPath;
    int Slot = -1;  // the temporary file's entry for the signal clean-up, or -1
    std::unique_ptr<TDescriptorStream> File;
};

// Refuses ("Cannot create file DEST (it is the source file)") a destination
// that is the source itself by device and inode, whatever the two paths say.
void RefuseSourceAsDestination(const std::string& source, const std::string& destination);

// Anything at path, a dangling symbolic link included.
bool PathTaken(const std::string& path);

}  // namespace codelume
