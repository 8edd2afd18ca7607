// Exceptions shared by every subsystem. Each carries the message the user sees.
#pragma once

#include <stdexcept>
#include <string>

namespace codelume {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EIntOverflow : public Exception {
public:
    EIntOverflow() : Exception("Integer overflow") {}
};

class EStreamError : public Exception {
public:
    using Exception::Exception;
};

class EFOpenError : public EStreamError {
public:
    explicit EFOpenError(const std::string& path);
};

class EFCreateError : public EStreamError {
public:
    explicit EFCreateError(const std::string& path);
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
};

}  // namespace codelume
