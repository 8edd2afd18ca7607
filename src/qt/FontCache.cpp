#include "qt/FontCache.h"

#include <cmath>

#include "base/Arith.h"
#include "canvas/Utf8.h"

namespace codelume {

namespace {

bool Matches(const TFont& a, const TFont& b) {
    return a.Size == b.Size && a.Style == b.Style && a.Name == b.Name;
}

}  // namespace

QString DecodeBytes(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::unique_ptr<TFontCache::TEntry> TFontCache::MakeEntry(const TFont& key) const {
    QFont font(QString::fromUtf8(key.Name.data(), static_cast<qsizetype>(key.Name.size())));
    font.setPixelSize(std::max(1, MulDiv(key.Size, Ppi, 72)));
    font.setBold(key.Style & fsBold);
    font.setItalic(key.Style & fsItalic);
    font.setUnderline(key.Style & fsUnderline);
    font.setStrikeOut(key.Style & fsStrikeOut);
    // Without kerning a piece is as wide as the sum of its characters, which
    // keeps measuring a table walk and matches what is drawn.
    font.setKerning(false);
    QFontMetricsF metrics(font);
    auto entry = std::make_unique<TEntry>(TEntry{key, font, metrics, {}, {}, {}});
    int32_t ascent = static_cast<int32_t>(std::ceil(metrics.ascent()));
    int32_t descent = static_cast<int32_t>(std::ceil(metrics.descent()));
    entry->TextMetrics = {ascent + descent, static_cast<int32_t>(std::round(metrics.leading())),
                          ascent, descent, 0};
    entry->AsciiAdvance.fill(-1);
    return entry;
}

TFontCache::TEntry& TFontCache::Lookup(const TFont& font) {
    if (LastHit && Matches(LastHit->Key, font)) return *LastHit;
    for (const auto& entry : Entries)
        if (Matches(entry->Key, font)) return *(LastHit = entry.get());
    Entries.push_back(MakeEntry(font));
    return *(LastHit = Entries.back().get());
}

double TFontCache::AsciiAdvance(TEntry& entry, unsigned char code) {
    double& advance = entry.AsciiAdvance[code];
    if (advance < 0) advance = entry.Metrics.horizontalAdvance(QChar(code));
    return advance;
}

double TFontCache::WideAdvance(TEntry& entry, char32_t code) {
    auto [it, added] = entry.WideAdvance.try_emplace(code, 0.0);
    if (added) {
        char32_t ucs4[] = {code};
        it->second = entry.Metrics.horizontalAdvance(QString::fromUcs4(ucs4, 1));
    }
    return it->second;
}

int32_t TFontCache::TextExtent(const TFont& font, std::string_view text) {
    TEntry& entry = Lookup(font);
    double width = 0;
    for (size_t at = 0; at < text.size();) {
        auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            width += AsciiAdvance(entry, byte);
            ++at;
        } else {
            std::string_view rest = text.substr(at);
            width += WideAdvance(entry, DecodeUtf8(rest));
            at += static_cast<size_t>(Utf8CharLength(rest));
        }
    }
    return CheckedNarrow(std::llround(width));
}

}  // namespace codelume
