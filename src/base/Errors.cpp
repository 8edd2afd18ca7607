#include "base/Errors.h"

#include <cstring>

namespace codelume {

EFOpenError::EFOpenError(const std::string& path) : EStreamError("Cannot open file " + path) {}

EFOpenError::EFOpenError(const std::string& path, const std::string& reason)
    : EStreamError("Cannot open file " + path + " (" + reason + ")") {}

EFCreateError::EFCreateError(const std::string& path)
    : EStreamError("Cannot create file " + path) {}

EFCreateError::EFCreateError(const std::string& path, const std::string& reason)
    : EStreamError("Cannot create file " + path + " (" + reason + ")") {}

EWriteError::EWriteError(const std::string& path, const std::string& reason)
    : EStreamError("Cannot write file " + path + " (" + reason + ")") {}

std::string SystemReason(int errorNumber) {
    char buffer[256];
    return strerror_r(errorNumber, buffer, sizeof buffer);
}

}  // namespace codelume
