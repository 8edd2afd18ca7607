#include "convert/FileNames.h"

namespace codelume {
namespace {

// Index of the first byte of the last component.
size_t LastComponentStart(const std::string& path) {
    size_t separator = path.find_last_of("/\\:");
    return separator == std::string::npos ? 0 : separator + 1;
}

// Index of the extension's dot, or npos.
size_t ExtensionStart(const std::string& path) {
    size_t dot = path.rfind('.');
    return dot != std::string::npos && dot >= LastComponentStart(path) ? dot : std::string::npos;
}

}  // namespace

std::string ExtractFileExt(const std::string& path) {
    size_t dot = ExtensionStart(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& extension) {
    return path.substr(0, ExtensionStart(path)) + extension;
}

std::string ExtractFileName(const std::string& path) {
    return path.substr(LastComponentStart(path));
}

}  // namespace codelume
