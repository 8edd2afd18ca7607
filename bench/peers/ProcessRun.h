// Runs a program as a whole process, its output thrown away, and reports what
// the kernel accounted for it: wall and processor seconds and peak memory.
#pragma once

#include <string>
#include <vector>

namespace codelume {

struct TProcessRun {
    double WallSeconds = 0;
    double CpuSeconds = 0;  // user and system
    double PeakMiB = 0;     // the largest resident set of the process
    bool Succeeded = false;
};

TProcessRun RunProcess(const std::vector<std::string>& command);

// Runs a command and returns what it wrote on standard output; empty when it
// could not be started.
std::string ProcessOutput(const std::vector<std::string>& command);

// The resident memory of this process now.
double ResidentMiB();

// Whether a program of that name is found on the search path.
bool IsInstalled(const std::string& program);

}  // namespace codelume
