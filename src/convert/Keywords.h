// The two program-wide keyword tables: unsorted lists of lower-case words with
// a hash index built at compile time, constant from start-up to exit and only
// ever borrowed by converters.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace codelume {

class TKeywordTable {
public:
    constexpr explicit TKeywordTable(std::span<const std::string_view> words) : Words(words) {
        for (size_t i = 0; i < words.size(); ++i) {
            size_t slot = SlotOf(words[i]);
            while (Slots[slot] != 0) slot = (slot + 1) % SlotCount;
            Slots[slot] = static_cast<uint8_t>(i + 1);
        }
    }

    // Position of the first entry equal to word in any letter case, or -1.
    int32_t IndexOf(std::string_view word) const;
    int32_t Count() const { return static_cast<int32_t>(Words.size()); }
    std::string_view operator[](int32_t index) const { return Words[static_cast<size_t>(index)]; }

    // A table holds fewer entries than this.
    static constexpr size_t SlotCount = 256;

private:
    // Open addressing: an entry sits in the slot its word hashes to or in the
    // first free one after it. Entries go in in table order, so of two equal
    // words the first is met first. A slot holds its entry's position + 1, and
    // 0 when free; the table is never full, so every search ends.
    static constexpr size_t Folded(char c) {
        auto byte = static_cast<uint8_t>(c);
        return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
    }
    // The first and last letters and the length tell nearly all entries apart.
    static constexpr size_t SlotOf(std::string_view word) {
        return (Folded(word.front()) * 26 + Folded(word.back()) * 17 + word.size() * 4) % SlotCount;
    }

    std::span<const std::string_view> Words;
    uint8_t Slots[SlotCount] = {};
};

enum TKeywordSet : uint8_t { ksPascal = 0, ksForm = 1 };

// Reserved words and directives of Pascal source (93 entries).
extern const TKeywordTable PascalKeywords;
// The words that open and close an object block of a form's text (2 entries).
extern const TKeywordTable FormKeywords;

}  // namespace codelume
