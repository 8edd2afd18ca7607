#include "reader/ReaderSymbols.h"

#include "base/Ascii.h"

namespace codelume {
namespace {

struct TStyleTag {
    THtmlSymbol Symbol;
    TFontStyles Bit;
    bool On;
};

constexpr TStyleTag StyleTags[] = {
    {BSy, fsBold, true},          {BEndSy, fsBold, false},       {StrongSy, fsBold, true},
    {StrongEndSy, fsBold, false}, {ISy, fsItalic, true},         {IEndSy, fsItalic, false},
    {EmSy, fsItalic, true},       {EmEndSy, fsItalic, false},    {CiteSy, fsItalic, true},
    {CiteEndSy, fsItalic, false}, {VarSy, fsItalic, true},       {VarEndSy, fsItalic, false},
    {USy, fsUnderline, true},     {UEndSy, fsUnderline, false},  {SSy, fsStrikeOut, true},
    {SEndSy, fsStrikeOut, false}, {StrikeSy, fsStrikeOut, true}, {StrikeEndSy, fsStrikeOut, false},
};

}  // namespace

const TSymbolSet& InlineSymbols() {
    static const TSymbolSet set = Symbols(
        {PSy,       PEndSy,    BSy,        BEndSy,     StrongSy,     StrongEndSy, ISy,
         IEndSy,    EmSy,      EmEndSy,    CiteSy,     CiteEndSy,    VarSy,       VarEndSy,
         USy,       UEndSy,    SSy,        SEndSy,     StrikeSy,     StrikeEndSy, SubSy,
         SubEndSy,  SupSy,     SupEndSy,   BRSy,       HSy,          HEndSy,      TTSy,
         CodeSy,    KbdSy,     SampSy,     TTEndSy,    CodeEndSy,    KbdEndSy,    SampEndSy,
         FontEndSy, BigEndSy,  SmallEndSy, AddressSy,  AddressEndSy, PreSy,       ImgSy,
         ASy,       AEndSy,    TextSymbol, InputSy,    SelectSy,     TextAreaSy,  TextAreaEndSy,
         FormSy,    FormEndSy, FontSy,     BaseFontSy, BigSy,        SmallSy,     MapSy,
         PageSy,    ScriptSy});
    return set;
}

const TSymbolSet& ListTags() {
    static const TSymbolSet set = Symbols({OLSy, ULSy, DirSy, MenuSy, DLSy, BlockQuoteSy});
    return set;
}

const TSymbolSet& ListEnds() {
    static const TSymbolSet set =
        Symbols({OLEndSy, ULEndSy, DirEndSy, MenuEndSy, DLEndSy, BlockQuoteEndSy});
    return set;
}

const TSymbolSet& ListItemTags() {
    static const TSymbolSet set = Symbols({LISy, DDSy, DTSy});
    return set;
}

const TSymbolSet& BlockTags() {
    static const TSymbolSet set = Symbols({CenterSy, DivSy});
    return set;
}

const TSymbolSet& BlockEnds() {
    static const TSymbolSet set = Symbols({CenterEndSy, DivEndSy});
    return set;
}

bool ApplyStyleTag(THtmlSymbol symbol, TRunStyle& style) {
    for (const TStyleTag& tag : StyleTags) {
        if (tag.Symbol != symbol) continue;
        if (tag.On)
            style.StyleOverlay |= tag.Bit;
        else
            style.StyleOverlay &= static_cast<TFontStyles>(~tag.Bit);
        return true;
    }
    return false;
}

bool ApplyScriptTag(THtmlSymbol symbol, TRunStyle& style) {
    switch (symbol) {
        case SubSy:
            style.ScriptState = ssSubscript;
            return true;
        case SupSy:
            style.ScriptState = ssSuperscript;
            return true;
        case SubEndSy:
        case SupEndSy:
            style.ScriptState = ssNormal;
            return true;
        default:
            return false;
    }
}

TAlignment AlignmentOf(std::string_view text, TAlignment fallback) {
    std::string lower = LowerAscii(text);
    if (lower == "left") return taLeftJustify;
    if (lower == "center") return taCenter;
    if (lower == "right") return taRightJustify;
    return fallback;
}

}  // namespace codelume
