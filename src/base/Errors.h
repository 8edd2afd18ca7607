// Exceptions shared by every library. Each carries the message the user sees.
#pragma once

#include <stdexcept>
#include <string>

namespace codelume {

class ECodelumeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A signed 32-bit counter, offset or code would have wrapped.
class EIntOverflow : public ECodelumeError {
public:
    EIntOverflow() : ECodelumeError("Integer overflow") {}
};

class EStreamError : public ECodelumeError {
public:
    using ECodelumeError::ECodelumeError;
};

class EFOpenError : public EStreamError {
public:
    explicit EFOpenError(const std::string& path);
    // "Cannot open file PATH (reason)".
    EFOpenError(const std::string& path, const std::string& reason);
};

class EFCreateError : public EStreamError {
public:
    explicit EFCreateError(const std::string& path);
    // "Cannot create file PATH (reason)".
    EFCreateError(const std::string& path, const std::string& reason);
};

class EReadError : public EStreamError {
public:
    EReadError() : EStreamError("Stream read error") {}
    using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
public:
    EWriteError() : EStreamError("Stream write error") {}
    using EStreamError::EStreamError;
    // "Cannot write file PATH (reason)".
    EWriteError(const std::string& path, const std::string& reason);
};

// The system's text for an errno value, "No space left on device".
std::string SystemReason(int errorNumber);

}  // namespace codelume
