// Qt fonts for canvas fonts, built once per font and resolution: the QFont, its
// metrics and the advance of every character met so far, so that measuring a
// piece of text is a table walk rather than a text-shaping call.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <array>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "canvas/CanvasTypes.h"

namespace codelume {

// The engine's UTF-8 text as Qt text; a byte that starts no valid sequence shows U+FFFD.
QString DecodeBytes(std::string_view bytes);

// One cache serves one resolution. Its owner (a viewer, a print device) keeps it
// and lends it to the canvases it makes; Qt fonts must not outlive the
// application object, so the cache goes with its owner.
class TFontCache {
public:
    struct TEntry {
        TFont Key;
        QFont Font;
        QFontMetricsF Metrics;
        TTextMetrics TextMetrics;
        // Both filled as characters are met: a character outside the face (a
        // control character) sends Qt through every fallback font.
        std::array<double, 128> AsciiAdvance;  // negative until measured
        std::unordered_map<char32_t, double> WideAdvance;
        // The advance every printable ASCII character shares in a fixed-pitch
        // face, else negative: such text is as wide as its length says.
        double PrintableAdvance = -1;
    };

    explicit TFontCache(int32_t pixelsPerInch) : Ppi(pixelsPerInch) {}

    TEntry& Lookup(const TFont& font);
    int32_t TextExtent(const TFont& font, std::string_view text);
    int32_t PixelsPerInch() const { return Ppi; }

private:
    int32_t Ppi;
    std::vector<std::unique_ptr<TEntry>> Entries;
    TEntry* LastHit = nullptr;

    std::unique_ptr<TEntry> MakeEntry(const TFont& key) const;
    static void MeasurePrintable(TEntry& entry);
    static double AsciiAdvance(TEntry& entry, unsigned char code);
    static double WideAdvance(TEntry& entry, char32_t code);
};

}  // namespace codelume
