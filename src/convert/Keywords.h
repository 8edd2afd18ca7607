// The two program-wide keyword tables: plain, unsorted lists of lower-case
// words, constant from start-up to exit and only ever borrowed by converters.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace codelume {

class TKeywordTable {
public:
    constexpr explicit TKeywordTable(std::span<const std::string_view> words) : Words(words) {
        for (size_t i = words.size(); i-- > 0;) {
            TRange& range = ByFirstLetter[static_cast<uint8_t>(words[i][0])];
            range.First = static_cast<uint8_t>(i);
            if (range.End == 0) range.End = static_cast<uint8_t>(i + 1);
            range.Lengths |= static_cast<uint16_t>(1u << words[i].size());
        }
    }

    // Position of the first entry equal to word in any letter case, or -1.
    int32_t IndexOf(std::string_view word) const;
    int32_t Count() const { return static_cast<int32_t>(Words.size()); }
    std::string_view operator[](int32_t index) const { return Words[static_cast<size_t>(index)]; }

private:
    // The entries from First to End - 1 hold every entry that begins with a
    // letter, so the scan for a word starts and stops there; Lengths has bit n
    // set when one of them is n bytes long, so most words need no scan at all.
    struct TRange {
        uint8_t First = 0;
        uint8_t End = 0;
        uint16_t Lengths = 0;
    };

    std::span<const std::string_view> Words;
    TRange ByFirstLetter[128] = {};
};

enum TKeywordSet : uint8_t { ksPascal = 0, ksForm = 1 };

// Reserved words and directives of Pascal source (93 entries).
extern const TKeywordTable PascalKeywords;
// The words that open and close an object block of a form's text (2 entries).
extern const TKeywordTable FormKeywords;

}  // namespace codelume
