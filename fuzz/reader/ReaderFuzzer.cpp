// Reads arbitrary bytes as an HTML page and lays the document out, at a wide
// or a narrow width, with fixed metrics.
#include <cstddef>
#include <cstdint>

#include "canvas/FixedCanvas.h"
#include "reader/DocumentReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace codelume;
    if (size > INT32_MAX) return 0;
    TSectionList document;
    TAnchorIndex anchors;
    try {
        ParseDocumentBuffer(document, anchors, reinterpret_cast<const char*>(data),
                            static_cast<int32_t>(size));
    } catch (const EParseError&) {
        // An open comment at the end: the blocks read so far stay.
    }
    // One layout an input, wide or narrow by the input's length, so that an
    // input costs one layout and the fuzzer still reaches both.
    TFixedCanvas canvas;
    int32_t width = size % 2 == 0 ? 600 : 37;
    int32_t maxWidth = 0;
    int32_t curs = 0;
    try {
        document.LayoutDocument(canvas, 0, width, maxWidth, curs);
    } catch (const EIntOverflow&) {
        // A document too large for 32-bit coordinates is refused with a message.
    }
    return 0;
}
