#include <gtest/gtest.h>

#include "ReadPage.h"
#include "canvas/FixedCanvas.h"
#include "reader/DocumentDump.h"

namespace codelume {
namespace {

// The dump of html laid out at width on the fixed-metrics canvas.
std::string DumpLaidOut(const std::string& html, int32_t width) {
    TReadPage page(html);
    TFixedCanvas canvas;
    int32_t maxWidth = 0;
    int32_t curs = 0;
    int32_t height = page.Document.LayoutDocument(canvas, 0, width, maxWidth, curs);
    return DumpDocument(page.Document, page.Anchors, page.Result.Title, height, maxWidth);
}

// 12-point text is 16 pixels high with descent 4 and 8 pixels a byte; a
// paragraph space is 14 pixels and a rule 20.
TEST(DumpDocument, WritesEveryBlockLineAndAnchor) {
    EXPECT_EQ(DumpLaidOut("<TITLE>a\"b\\</TITLE>x<P>aaaa bbbb cccc<HR><A NAME=end>", 80),
              "title \"a\\\"b\\\\\"\n"
              "document height=82 width=80 blocks=5\n"
              "block 0 section top=0 height=16 paint=16 first=0 chars=1\n"
              "  line 0 x=0 above=0 text=16 below=0 descent=4 chars=1 \"x\"\n"
              "block 1 pspace top=16 height=14 paint=14 first=1 chars=0\n"
              "block 2 section top=30 height=32 paint=32 first=1 chars=14\n"
              "  line 0 x=0 above=0 text=16 below=0 descent=4 chars=10 \"aaaa bbbb \"\n"
              "  line 1 x=0 above=0 text=16 below=0 descent=4 chars=4 \"cccc\"\n"
              "block 3 hrule top=62 height=20 paint=20 first=15 chars=0\n"
              "block 4 section top=82 height=0 paint=0 first=15 chars=0\n"
              "anchor END block=4\n");
}

// Text is written as UTF-8; offsets, counts and widths stay those of the engine:
// bytes for offsets and counts, characters for widths.
TEST(DumpDocument, WritesTextAsUtf8AndCountsItsBytes) {
    EXPECT_EQ(DumpLaidOut("<TITLE>&mdash;</TITLE>\u00E9\u4E2D b", 24),
              "title \"\u2014\"\n"
              "document height=32 width=24 blocks=1\n"
              "block 0 section top=0 height=32 paint=32 first=0 chars=7\n"
              "  line 0 x=0 above=0 text=16 below=0 descent=4 chars=6 \"\u00E9\u4E2D \"\n"
              "  line 1 x=0 above=0 text=16 below=0 descent=4 chars=1 \"b\"\n");
}

}  // namespace
}  // namespace codelume
