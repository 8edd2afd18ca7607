// The reader's fixed tables: tag names, attribute names and character
// references, with the lookups the scanner makes in them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "document/HtmlSymbols.h"

namespace codelume {

// A symbol set from its members.
inline TSymbolSet Symbols(std::initializer_list<THtmlSymbol> members) {
    TSymbolSet set;
    for (THtmlSymbol symbol : members) set.set(symbol);
    return set;
}

enum class TTagForm { tfStart, tfEnd };

// The symbol of an upper-cased tag name: its start or end symbol, or
// UnknownTagSymbol for a name outside the table or an end tag without end form.
THtmlSymbol LookupTag(std::string_view upperName, TTagForm form);

// The symbol of an upper-cased attribute name, or UnknownAttributeSymbol.
THtmlSymbol LookupAttribute(std::string_view upperName);

// The character a named character reference stands for (case-sensitive name).
std::optional<char32_t> LookupEntity(std::string_view name);

// Whether some reference name is longer than name and starts with it.
bool StartsLongerEntity(std::string_view name);

// The text without leading and trailing bytes of code 32 or less.
std::string TrimControls(std::string_view text);

// A decimal integer with optional sign that fits 32 bits; nothing otherwise.
std::optional<int32_t> ParseDecimal(std::string_view text);

}  // namespace codelume
