#include "reader/SymbolTables.h"

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

// Searched in this order; VALUE appears twice and SELECTED is also a tag.
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

}  // namespace

THtmlSymbol LookupTag(std::string_view upperName, TTagForm form) {
    for (int i = 0; i < TagCount; ++i) {
        if (TagNames[static_cast<size_t>(i)] != upperName) continue;
        if (form == TTagForm::tfStart) return static_cast<THtmlSymbol>(i);
        return i < TagsWithEndForm ? static_cast<THtmlSymbol>(HtmlEndSy + i) : UnknownTagSymbol;
    }
    return UnknownTagSymbol;
}

THtmlSymbol LookupAttribute(std::string_view upperName) {
    for (const TAttributeName& entry : AttributeNames)
        if (entry.Name == upperName) return entry.Symbol;
    return UnknownAttributeSymbol;
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
