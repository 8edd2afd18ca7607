// Reads arbitrary bytes as HTML, lays the document out, and paints it band by
// band on screen, asking the queries at points spread over it, or for print.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "canvas/FixedCanvas.h"
#include "reader/DocumentReader.h"

namespace {

using namespace codelume;

void PaintAndAsk(TSectionList& document, TFixedCanvas& canvas, int32_t width, int32_t height) {
    for (int32_t y = 0; y < height; y += 200) {
        document.SetScrollY(y);
        document.PaintDocument(canvas, {0, 0, width, 300}, width, 10, 5);
        TCharHit hit = document.CharIndexAt(canvas, 10 + (y % width), y);
        TPoint caret;
        document.CaretPoint(canvas, hit.Index, caret);
        TLinkHit link;
        document.LinkAt(canvas, 30, y + 7, link);
        TImageHit image;
        document.ImageAt(30, y + 7, image);
        canvas.ClearCalls();
    }
    document.SelStart = 1;
    document.SelEnd = document.CharCount / 2 + 2;
    document.SelectedText();
    document.SearchText(0, "Ab", TCaseSense::Ignore);
}

void ScreenPass(TSectionList& document, TFixedCanvas& canvas, int32_t width) {
    int32_t contentWidth = 0, curs = 0;
    int32_t height = document.LayoutDocument(canvas, 5, width, contentWidth, curs);
    PaintAndAsk(document, canvas, width, std::min(height, 20000));
}

void PrintPages(const TSectionList& document, TFixedCanvas& canvas, int32_t width) {
    TSectionList copy(document);
    copy.ForPrinter = true;
    copy.SetScrollY(0);
    int32_t contentWidth = 0, curs = 0;
    copy.LayoutDocument(canvas, 0, width, contentWidth, curs);
    int32_t top = 0, lineTop = 0;
    int index = 0;
    for (int page = 0; page < 50 && copy.LineTopAt(top, lineTop, index); ++page) {
        copy.PaintDocument(canvas, {0, top, width, top + 400}, width, 0, 0);
        canvas.ClearCalls();
        top = copy.PageCut;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1048576) return 0;
    TSectionList document;
    TAnchorIndex anchors;
    try {
        ParseDocumentBuffer(document, anchors, reinterpret_cast<const char*>(data),
                            static_cast<int32_t>(size));
    } catch (const ECodelumeError&) {
    }
    // One layout an input, chosen by the input's length, so that an input
    // costs one layout and the fuzzer still reaches all three.
    TFixedCanvas canvas;
    switch (size % 3) {
        case 0:
            ScreenPass(document, canvas, 600);
            break;
        case 1:
            ScreenPass(document, canvas, 37);
            break;
        default:
            PrintPages(document, canvas, 300);
    }
    return 0;
}
