#include "qt/FontCache.h"

#include <algorithm>
#include <cmath>

#include "base/Arith.h"
#include "canvas/Utf8.h"

namespace codelume {

namespace {

bool Matches(const TFont& a, const TFont& b) {
    return a.Size == b.Size && a.Style == b.Style && a.Name == b.Name;
}

constexpr unsigned char FirstPrintable = 0x20, LastPrintable = 0x7E;

bool IsPrintableAscii(char c) { return c >= char(FirstPrintable) && c <= char(LastPrintable); }

// Qt's advances are whole 64ths of a pixel, so a count of them times one
// advance is exactly their sum; an advance finer than that is not trusted.
bool IsWhole64th(double advance) { return advance * 64 == std::floor(advance * 64); }

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
    MeasurePrintable(*entry);
    return entry;
}

void TFontCache::MeasurePrintable(TEntry& entry) {
    double first = AsciiAdvance(entry, FirstPrintable);
    bool shared = IsWhole64th(first);
    for (unsigned char code = FirstPrintable + 1; code <= LastPrintable; ++code)
        shared = AsciiAdvance(entry, code) == first && shared;
    entry.PrintableAdvance = shared ? first : -1;
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
    if (entry.PrintableAdvance >= 0 && std::all_of(text.begin(), text.end(), IsPrintableAscii))
        return CheckedNarrow(
            std::llround(static_cast<double>(text.size()) * entry.PrintableAdvance));
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
