#include "base/Errors.h"

namespace codelume {

EFOpenError::EFOpenError(const std::string& path) : EStreamError("Cannot open file " + path) {}

EFCreateError::EFCreateError(const std::string& path)
    : EStreamError("Cannot create file " + path) {}

}  // namespace codelume
