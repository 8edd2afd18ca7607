// File-name rules on byte strings: '/', '\' and ':' all separate components.
#pragma once

#include <string>

namespace codelume {

// From the last dot after the last separator to the end, dot included; else "".
std::string ExtractFileExt(const std::string& path);
// Replaces the extension with extension, or appends it when there is none.
std::string ChangeFileExt(const std::string& path, const std::string& extension);
// The text after the last separator.
std::string ExtractFileName(const std::string& path);

}  // namespace codelume
