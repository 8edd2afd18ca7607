// The two program-wide keyword tables: plain, unsorted lists of lower-case
// words, constant from start-up to exit and only ever borrowed by converters.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace codelume {

class TKeywordTable {
public:
    constexpr explicit TKeywordTable(std::span<const std::string_view> words) : Words(words) {}

    // Position of the first entry equal to word in any letter case, or -1.
    int32_t IndexOf(std::string_view word) const;
    int32_t Count() const { return static_cast<int32_t>(Words.size()); }
    std::string_view operator[](int32_t index) const { return Words[static_cast<size_t>(index)]; }

private:
    std::span<const std::string_view> Words;
};

enum TKeywordSet : uint8_t { ksPascal = 0, ksForm = 1 };

// Reserved words and directives of Pascal source (93 entries).
extern const TKeywordTable PascalKeywords;
// The words that open and close an object block of a form's text (2 entries).
extern const TKeywordTable FormKeywords;

}  // namespace codelume
