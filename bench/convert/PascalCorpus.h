// A generator of realistic Pascal units for measurements: declarations,
// routines with nested statements, all three comment forms, directives,
// strings with character codes, hexadecimal and real numbers, CR LF lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace codelume {

// At least minimumBytes of source; the same seed gives the same text.
std::string GeneratePascalCorpus(size_t minimumBytes, uint32_t seed);

}  // namespace codelume
