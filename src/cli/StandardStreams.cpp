#include "cli/StandardStreams.h"

#include <stdio_ext.h>

#include <cerrno>
#include <cstdio>

#include "base/Errors.h"

namespace codelume {

namespace {

std::string WithReason(const char* text, int errorNumber) {
    return std::string(text) + " (" + SystemReason(errorNumber) + ")";
}

}  // namespace

std::string ReadStandardInput() {
    std::string bytes;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) bytes.append(buffer, got);
    if (std::ferror(stdin)) throw EReadError(WithReason("Cannot read standard input", errno));
    return bytes;
}

void WriteStandardOutput(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    FlushStandardOutput();
}

// The error flag stays set when an earlier buffered write failed. The bytes
// that could not be written are dropped with it, so that the failure is
// reported once and not again by the next flush.
void FlushStandardOutput() {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return;
    int reason = errno;
    __fpurge(stdout);
    std::clearerr(stdout);
    throw EWriteError(WithReason("Cannot write standard output", reason));
}

}  // namespace codelume
