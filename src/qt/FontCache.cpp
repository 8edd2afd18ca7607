#include "qt/FontCache.h"

#include <cmath>

#include "base/Arith.h"
#include "canvas/Utf8.h"

namespace codelume {

namespace {

// The characters of the bytes 0x80 to 0x9F in Windows-1252; the rest of the
// upper half is Latin-1, and the five unassigned bytes stay as they are.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar Cp1252(unsigned char byte) {
    return QChar(byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : char16_t{byte});
}

bool Matches(const TFont& a, const TFont& b) {
    return a.Size == b.Size && a.Style == b.Style && a.Name == b.Name;
}

}  // namespace

QString DecodeBytes(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t at = 0; at < bytes.size();) {
        int length = Utf8SequenceLength(bytes.substr(at));
        if (length > 0) {
            text += QString::fromUtf8(bytes.data() + at, length);
            at += static_cast<size_t>(length);
        } else {
            text += Cp1252(static_cast<unsigned char>(bytes[at++]));
        }
    }
    return text;
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
    auto entry = std::make_unique<TEntry>(TEntry{key, font, metrics, {}, {}});
    int32_t ascent = static_cast<int32_t>(std::ceil(metrics.ascent()));
    int32_t descent = static_cast<int32_t>(std::ceil(metrics.descent()));
    entry->TextMetrics = {ascent + descent, static_cast<int32_t>(std::round(metrics.leading())),
                          ascent, descent, 0};
    for (int byte = 0; byte < 256; ++byte)
        entry->Advance[static_cast<size_t>(byte)] =
            metrics.horizontalAdvance(Cp1252(static_cast<unsigned char>(byte)));
    return entry;
}

const TFontCache::TEntry& TFontCache::Lookup(const TFont& font) {
    if (LastHit && Matches(LastHit->Key, font)) return *LastHit;
    for (const auto& entry : Entries)
        if (Matches(entry->Key, font)) return *(LastHit = entry.get());
    Entries.push_back(MakeEntry(font));
    return *(LastHit = Entries.back().get());
}

int32_t TFontCache::TextExtent(const TFont& font, std::string_view bytes) {
    const TEntry& entry = Lookup(font);
    double width = 0;
    for (size_t at = 0; at < bytes.size();) {
        auto byte = static_cast<unsigned char>(bytes[at]);
        int length = byte < 0x80 ? 0 : Utf8SequenceLength(bytes.substr(at));
        if (length > 0) {
            width += entry.Metrics.horizontalAdvance(QString::fromUtf8(bytes.data() + at, length));
            at += static_cast<size_t>(length);
        } else {
            width += entry.Advance[byte];
            ++at;
        }
    }
    return CheckedNarrow(std::llround(width));
}

}  // namespace codelume
