// The command line of the desktop program: codelume [FILE], --help and
// --version.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Errors.h"

namespace codelume {

// The command line is wrong; the message says how.
class EStartUsage : public ECodelumeError {
public:
    using ECodelumeError::ECodelumeError;
};

extern const char* const StartUsage;

// The text that --help or --version asks for, or nothing when neither is
// among the options. Read before Qt starts, so both answer without a display.
std::optional<std::string> StartInformation(const std::vector<std::string>& arguments);

// The file to start with, made absolute as the Open dialog gives it, from the
// arguments Qt leaves after taking its own options (program name excluded).
std::optional<std::string> StartSource(const std::vector<std::string>& arguments);

}  // namespace codelume
