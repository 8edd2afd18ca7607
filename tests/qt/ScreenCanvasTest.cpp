#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <cmath>
#include <string>

#include "document/Section.h"
#include "document/SectionList.h"
#include "qt/QtColors.h"
#include "qt/ScreenCanvas.h"

namespace codelume {
namespace {

TFont FontOf(const char* name, int32_t points = 12, TFontStyles style = 0) {
    return {name, points, style, clBlack};
}

TEST(FontCache, ResolvesTheDefaultFacesToLiberationFontsAtItsResolution) {
    struct TRow {
        const char* Face;
        int32_t PixelsPerInch;
        const char* Family;
        int PixelSize;  // 12 points
    };
    for (TRow row :
         {TRow{"Times New Roman", 96, "Liberation Serif", 16},
          TRow{"Courier New", 96, "Liberation Mono", 16}, TRow{"Arial", 96, "Liberation Sans", 16},
          TRow{"Arial", 600, "Liberation Sans", 100}}) {
        SCOPED_TRACE(std::string(row.Face) + " at " + std::to_string(row.PixelsPerInch));
        TFontCache fonts(row.PixelsPerInch);
        const TFontCache::TEntry& entry = fonts.Lookup(FontOf(row.Face));
        EXPECT_EQ(QFontInfo(entry.Font).family().toStdString(), row.Family);
        EXPECT_EQ(entry.Font.pixelSize(), row.PixelSize);
        EXPECT_EQ(TScreenCanvas(fonts).PixelsPerInch(), row.PixelsPerInch);
    }
}

TEST(TextExtent, IsTheSumOfTheCharactersWidths) {
    TFontCache fonts(96);
    TScreenCanvas canvas(fonts);
    TFont mono = FontOf("Courier New");
    int32_t one = canvas.TextExtent(mono, "m");
    EXPECT_GT(one, 0);
    // Advances are summed unrounded, as they are drawn, and the sum is rounded once.
    double advance = fonts.Lookup(mono).Metrics.horizontalAdvance(QChar('m'));
    EXPECT_NEAR(canvas.TextExtent(mono, "mmmmmmmmmm"), 10 * advance, 0.5);
    // A UTF-8 sequence is one character, and so is a stray byte (shown as U+FFFD).
    EXPECT_EQ(canvas.TextExtent(mono, "\xC3\xA9"), one);
    EXPECT_EQ(canvas.TextExtent(mono, "\xE4\xB8\xAD\xE6\x96\x87"),
              2 * canvas.TextExtent(mono, "\xE4\xB8\xAD"));
    EXPECT_EQ(canvas.TextExtent(mono, "\xE9"), canvas.TextExtent(mono, "\uFFFD"));
    TTextMetrics metrics = canvas.TextMetrics(FontOf("Times New Roman"));
    EXPECT_EQ(metrics.Height, metrics.Ascent + metrics.Descent);
    EXPECT_GE(metrics.Height, 16);
}

// Whatever shortcut a face allows, a text is as wide as Qt's advances of its
// characters, summed and rounded once.
TEST(TextExtent, MatchesQtsAdvancesInEveryFace) {
    struct TRow {
        const char* Face;
        TFontStyles Style;
        int32_t PixelsPerInch;
    };
    const std::string texts[] = {"begin  x := y; end;", "{ comment }\tnext", "caf\xC3\xA9 ~|",
                                 std::string(300, 'W') + "i"};
    for (TRow row : {TRow{"Courier New", 0, 96}, TRow{"Courier New", fsBold | fsItalic, 96},
                     TRow{"Courier New", 0, 600}, TRow{"Times New Roman", 0, 96},
                     TRow{"Arial", fsBold, 600}}) {
        TFontCache fonts(row.PixelsPerInch);
        TFont font = FontOf(row.Face, 10, row.Style);
        QFontMetricsF metrics(fonts.Lookup(font).Font);
        for (const std::string& text : texts) {
            SCOPED_TRACE(std::string(row.Face) + " at " + std::to_string(row.PixelsPerInch) + ": " +
                         text.substr(0, 20));
            double sum = 0;
            for (QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
                sum += metrics.horizontalAdvance(c);
            EXPECT_EQ(fonts.TextExtent(font, text), std::llround(sum));
        }
    }
}

TEST(DecodeBytes, TakesUtf8Only) {
    EXPECT_EQ(DecodeBytes("caf\xC3\xA9 \xE2\x82\xAC"), QString::fromUtf8("caf\u00E9 \u20AC"));
    EXPECT_EQ(DecodeBytes("caf\xE9"), QString::fromUtf8("caf\uFFFD"));
}

TEST(ToQColor, MasksThePaletteFlagAndReadsSystemColoursFromThePalette) {
    EXPECT_EQ(ToQColor(0x00336699 | PaletteRelative), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ToQColor(clWindow), QGuiApplication::palette().color(QPalette::Base));
}

TEST(ScreenCanvas, DrawsTextAndShapesIntoAnImage) {
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TFontCache fonts(96);
    TScreenCanvas canvas(painter, fonts);
    canvas.TextOut(FontOf("Arial"), 2, 30, "Hg", clBlack, std::nullopt, std::nullopt);
    canvas.FillRect({60, 0, 70, 10}, clRed);
    canvas.Ellipse({80, 0, 85, 5}, clNavy, clNavy);
    painter.end();
    int dark = 0;
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 40; ++y) dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 10);
    EXPECT_EQ(image.pixelColor(65, 5), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(82, 2), QColor(0, 0, 128));
}

TEST(CharsInWidth, NeverCutsInsideAUtf8Sequence) {
    TSectionList document;
    TRunStyle style;
    TSection section(0, taLeftJustify, TUrlTarget{}, document.BaseFont(), style);
    section.AppendText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");  // four e-acute in UTF-8
    TFontCache fonts(96);
    TScreenCanvas canvas(fonts);
    section.MeasureRuns(canvas);
    int32_t one = canvas.TextExtent(section.Runs[0]->Face, "\xC3\xA9");
    for (int32_t x = 0; x < 4 * one; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(section.CharsInWidth(canvas, x, section.CharCount, 0) % 2, 0);
    }
}

TEST(ScreenCanvas, LaysOutAPageWithRealFonts) {
    TSectionList document;
    TRunStyle style;
    auto section =
        std::make_unique<TSection>(0, taLeftJustify, TUrlTarget{}, document.BaseFont(), style);
    section->AppendText("The quick brown fox jumps over the lazy dog");
    document.AddSection(std::move(section));
    TFontCache fonts(96);
    TScreenCanvas canvas(fonts);
    int32_t width = 0, curs = 0;
    int32_t height = document.LayoutDocument(canvas, 0, 150, width, curs);
    auto& laidOut = static_cast<TSection&>(*document.Blocks[0]);
    EXPECT_GT(laidOut.Lines.Count(), 1);
    EXPECT_EQ(height, laidOut.Lines.Count() * laidOut.Lines[0]->TextHeight);
    for (const auto& line : laidOut.Lines)
        EXPECT_LE(
            laidOut.TextWidthOf(canvas, static_cast<int32_t>(line->StartAt - laidOut.Chars.get()),
                                TTrim::TrailingSpaces, line->CharsInLine),
            150);
}

}  // namespace
}  // namespace codelume
