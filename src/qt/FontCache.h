// Qt fonts for canvas fonts, built once per font and resolution: the QFont, its
// metrics and the advance of every single byte, so that measuring a byte range
// is a table walk rather than a text-shaping call.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "canvas/CanvasTypes.h"

namespace codelume {

// Bytes as they are shown: UTF-8 where a valid sequence stands, Windows-1252 elsewhere.
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
        std::array<double, 256> Advance;  // each byte shown on its own
    };

    explicit TFontCache(int32_t pixelsPerInch) : Ppi(pixelsPerInch) {}

    const TEntry& Lookup(const TFont& font);
    int32_t TextExtent(const TFont& font, std::string_view bytes);
    int32_t PixelsPerInch() const { return Ppi; }

private:
    int32_t Ppi;
    std::vector<std::unique_ptr<TEntry>> Entries;
    TEntry* LastHit = nullptr;

    std::unique_ptr<TEntry> MakeEntry(const TFont& font) const;
};

}  // namespace codelume
