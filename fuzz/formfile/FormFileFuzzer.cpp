// Feeds arbitrary bytes to both form decoders. Every failure must be one of
// the decoder's own errors; crashes, leaks and hangs are findings.
#include <cstddef>
#include <cstdint>
#include <string>

#include "formfile/FormFile.h"

namespace {

void Decode(void (*decoder)(codelume::TStream&, codelume::TStream&), const std::string& bytes) {
    codelume::TMemoryStream input(bytes), output;
    try {
        decoder(input, output);
    } catch (const codelume::ECodelumeError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    Decode(codelume::FormResourceToText, bytes);
    Decode(codelume::FormBinaryToText, "TPF0" + bytes);
    return 0;
}
