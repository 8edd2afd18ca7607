#include "reader/SymbolTables.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace codelume {
namespace {

// Tag names in symbol order; the first TagsWithEndForm also have an end tag.
constexpr std::array<std::string_view, TagCount> TagNames = {
    "HTML",   "TITLE",    "BODY",     "HEAD",   "B",     "I",       "H",       "EM",
    "STRONG", "U",        "CITE",     "VAR",    "TT",    "CODE",    "KBD",     "SAMP",
    "OL",     "UL",       "DIR",      "MENU",   "DL",    "A",       "ADDRESS", "BLOCKQUOTE",
    "PRE",    "CENTER",   "TABLE",    "TD",     "TH",    "CAPTION", "FORM",    "TEXTAREA",
    "SELECT", "OPTION",   "FONT",     "SUB",    "SUP",   "BIG",     "SMALL",   "P",
    "MAP",    "FRAMESET", "NOFRAMES", "SCRIPT", "DIV",   "S",       "STRIKE",  "TR",
    "LI",     "BR",       "HR",       "DD",     "DT",    "IMG",     "BASE",    "BUTTON",
    "INPUT",  "SELECTED", "BASEFONT", "AREA",   "FRAME", "PAGE",    "BGSOUND"};

struct TAttributeName {
    std::string_view Name;
    THtmlSymbol Symbol;
};

// VALUE appears twice (the first entry counts) and SELECTED is also a tag.
constexpr std::array<TAttributeName, 55> AttributeNames = {{
    {"HREF", HrefSy},
    {"NAME", NameSy},
    {"SRC", SrcSy},
    {"ALT", AltSy},
    {"ALIGN", AlignSy},
    {"TEXT", TextSy},
    {"BGCOLOR", BgColorSy},
    {"LINK", LinkSy},
    {"BACKGROUND", BackgroundSy},
    {"COLSPAN", ColSpanSy},
    {"ROWSPAN", RowSpanSy},
    {"BORDER", BorderSy},
    {"CELLPADDING", CellPaddingSy},
    {"CELLSPACING", CellSpacingSy},
    {"VALIGN", VAlignSy},
    {"WIDTH", WidthSy},
    {"START", StartSy},
    {"VALUE", ValueSy},
    {"TYPE", TypeSy},
    {"CHECKBOX", CheckBoxSy},
    {"RADIO", RadioSy},
    {"METHOD", MethodSy},
    {"ACTION", ActionSy},
    {"CHECKED", CheckedSy},
    {"SIZE", SizeSy},
    {"MAXLENGTH", MaxLengthSy},
    {"COLS", ColsSy},
    {"ROWS", RowsSy},
    {"MULTIPLE", MultipleSy},
    {"VALUE", ValueSy},
    {"SELECTED", SelectedSy},
    {"FACE", FaceSy},
    {"COLOR", ColorSy},
    {"TRANSP", TranspSy},
    {"CLEAR", ClearSy},
    {"ISMAP", IsMapSy},
    {"BORDERCOLOR", BorderColorSy},
    {"USEMAP", UseMapSy},
    {"SHAPE", ShapeSy},
    {"COORDS", CoordsSy},
    {"NOHREF", NoHrefSy},
    {"HEIGHT", HeightSy},
    {"PLAIN", PlainSy},
    {"TARGET", TargetSy},
    {"NORESIZE", NoResizeSy},
    {"SCROLLING", ScrollingSy},
    {"HSPACE", HSpaceSy},
    {"LANGUAGE", LanguageSy},
    {"FRAMEBORDER", FrameBorderSy},
    {"MARGINWIDTH", MarginWidthSy},
    {"MARGINHEIGHT", MarginHeightSy},
    {"LOOP", LoopSy},
    {"ONCLICK", OnClickSy},
    {"ID", IdSy},
    {"VSPACE", VSpaceSy},
}};

// A name with its position in a table, for lookups by bisection.
struct TNamedIndex {
    std::string_view Name;
    int Index;
};

// The entries of a table in the order of their names, nameOf giving the name.
template <typename TEntry, size_t N, typename TNameOf>
std::array<TNamedIndex, N> SortedByName(const std::array<TEntry, N>& table, TNameOf nameOf) {
    std::array<TNamedIndex, N> entries;
    for (size_t i = 0; i < N; ++i) entries[i] = {nameOf(table[i]), static_cast<int>(i)};
    // Stable, so that a name listed twice finds its first entry.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TNamedIndex& a, const TNamedIndex& b) { return a.Name < b.Name; });
    return entries;
}

template <size_t N>
std::optional<int> FindByName(const std::array<TNamedIndex, N>& entries, std::string_view name) {
    auto found = std::lower_bound(
        entries.begin(), entries.end(), name,
        [](const TNamedIndex& entry, std::string_view key) { return entry.Name < key; });
    if (found == entries.end() || found->Name != name) return std::nullopt;
    return found->Index;
}

}  // namespace

THtmlSymbol LookupTag(std::string_view upperName, TTagForm form) {
    static const std::array<TNamedIndex, TagCount> byName =
        SortedByName(TagNames, [](std::string_view name) { return name; });
    std::optional<int> i = FindByName(byName, upperName);
    if (!i) return UnknownTagSymbol;
    if (form == TTagForm::tfStart) return static_cast<THtmlSymbol>(*i);
    return *i < TagsWithEndForm ? static_cast<THtmlSymbol>(HtmlEndSy + *i) : UnknownTagSymbol;
}

THtmlSymbol LookupAttribute(std::string_view upperName) {
    static const std::array<TNamedIndex, AttributeNames.size()> byName =
        SortedByName(AttributeNames, [](const TAttributeName& entry) { return entry.Name; });
    std::optional<int> i = FindByName(byName, upperName);
    return i ? AttributeNames[static_cast<size_t>(*i)].Symbol : UnknownAttributeSymbol;
}

std::string TrimControls(std::string_view text) {
    auto isControl = [](char c) { return static_cast<uint8_t>(c) <= 32; };
    size_t first = 0;
    size_t last = text.size();
    while (first < last && isControl(text[first])) ++first;
    while (last > first && isControl(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
    }
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace codelume
