#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "canvas/FixedCanvas.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;

TFont FontOf(int32_t points, TFontStyles style = 0) {
    return {"Times New Roman", points, style, clBlack};
}

TEST(FixedCanvasMetrics, FollowThePixelSize) {
    struct TRow {
        int32_t Points, Height, Descent, CharWidth;
    };
    // s = MulDiv(p, 96, 72): 12 pt is 16 px, 10 pt 13.33 -> 13, 9 pt exactly 12, 7 pt 9.33 -> 9.
    for (TRow row : {TRow{12, 16, 4, 8}, TRow{10, 13, 3, 7}, TRow{9, 12, 3, 6}, TRow{7, 9, 2, 5}}) {
        SCOPED_TRACE(row.Points);
        TFixedCanvas canvas;
        TTextMetrics metrics = canvas.TextMetrics(FontOf(row.Points, fsItalic | fsBold));
        EXPECT_EQ(metrics.Height, row.Height);
        EXPECT_EQ(metrics.Descent, row.Descent);
        EXPECT_EQ(metrics.Ascent + metrics.Descent, metrics.Height);
        EXPECT_EQ(metrics.ExternalLeading, 0);
        EXPECT_EQ(metrics.Overhang, 0);
        EXPECT_EQ(canvas.TextExtent(FontOf(row.Points), "abc"), 3 * row.CharWidth);
        // Widths count characters, not the bytes of their UTF-8 sequences.
        EXPECT_EQ(canvas.TextExtent(FontOf(row.Points), "\u00E9\u20AC\U0001F600"),
                  3 * row.CharWidth);
    }
}

TEST(FixedCanvasCalls, RecordEveryDrawCallAsText) {
    TFixedCanvas canvas;
    canvas.TextOut(FontOf(12, fsBold), 10, 26, "a\"b\\\x01", 0x800000, clWhite, TRect{0, 0, 5, 6});
    canvas.FillRect({1, 2, 3, 4}, clRed);
    canvas.Line({0, 1}, {2, 3}, clBlack);
    canvas.Ellipse({0, 0, 5, 5}, clNavy, clNavy);
    canvas.SetMapping({96, 600, 300, {0, -40}});
    EXPECT_THAT(
        canvas.Calls(),
        ElementsAre(R"(TextOut 10,26 "a\"b\\\x01" 800000 size=12 style=1 bg=FFFFFF clip=0,0,5,6)",
                    "FillRect 1,2,3,4 0000FF", "Line 0,1 2,3 000000",
                    "Ellipse 0,0,5,5 800000 fill=800000", "SetMapping 96 600,300 0,-40"));
}

TEST(FixedCanvasDepth, ReportsMonochromeWhenAsked) {
    EXPECT_FALSE(TFixedCanvas().IsMonochrome());
    EXPECT_TRUE(TFixedCanvas(TFixedCanvas::TDepth::Monochrome).IsMonochrome());
}

}  // namespace
}  // namespace codelume
