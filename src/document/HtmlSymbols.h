// Every symbol the HTML reader produces: tag starts in tag-table order, the end
// forms of the first 48 tags in the same order, the attributes, and the token kinds.
// Sets of symbols are bit sets over the whole enumeration.
#pragma once

#include <bitset>
#include <cstdint>

namespace codelume {

enum THtmlSymbol : uint8_t {
    // Tag start symbols, in the order of the tag table.
    HtmlSy, TitleSy, BodySy, HeadSy, BSy, ISy, HSy, EmSy, StrongSy, USy, CiteSy, VarSy,
    TTSy, CodeSy, KbdSy, SampSy, OLSy, ULSy, DirSy, MenuSy, DLSy, ASy, AddressSy, BlockQuoteSy,
    PreSy, CenterSy, TableSy, TDSy, THSy, CaptionSy, FormSy, TextAreaSy, SelectSy, OptionSy,
    FontSy, SubSy, SupSy, BigSy, SmallSy, PSy, MapSy, FrameSetSy, NoFramesSy, ScriptSy, DivSy,
    SSy, StrikeSy, TRSy,
    LISy, BRSy, HRSy, DDSy, DTSy, ImgSy, BaseSy, ButtonSy, InputSy, SelectedSy, BaseFontSy,
    AreaSy, FrameSy, PageSy, BgSoundSy,
    // End symbols of the first 48 tags, same order.
    HtmlEndSy, TitleEndSy, BodyEndSy, HeadEndSy, BEndSy, IEndSy, HEndSy, EmEndSy, StrongEndSy,
    UEndSy, CiteEndSy, VarEndSy, TTEndSy, CodeEndSy, KbdEndSy, SampEndSy, OLEndSy, ULEndSy,
    DirEndSy, MenuEndSy, DLEndSy, AEndSy, AddressEndSy, BlockQuoteEndSy, PreEndSy, CenterEndSy,
    TableEndSy, TDEndSy, THEndSy, CaptionEndSy, FormEndSy, TextAreaEndSy, SelectEndSy,
    OptionEndSy, FontEndSy, SubEndSy, SupEndSy, BigEndSy, SmallEndSy, PEndSy, MapEndSy,
    FrameSetEndSy, NoFramesEndSy, ScriptEndSy, DivEndSy, SEndSy, StrikeEndSy, TREndSy,
    // Attribute symbols (SELECTED is the tag symbol above; both VALUE names share one).
    HrefSy, NameSy, SrcSy, AltSy, AlignSy, TextSy, BgColorSy, LinkSy, BackgroundSy, ColSpanSy,
    RowSpanSy, BorderSy, CellPaddingSy, CellSpacingSy, VAlignSy, WidthSy, StartSy, ValueSy,
    TypeSy, CheckBoxSy, RadioSy, MethodSy, ActionSy, CheckedSy, SizeSy, MaxLengthSy, ColsSy,
    RowsSy, MultipleSy, FaceSy, ColorSy, TranspSy, ClearSy, IsMapSy, BorderColorSy, UseMapSy,
    ShapeSy, CoordsSy, NoHrefSy, HeightSy, PlainSy, TargetSy, NoResizeSy, ScrollingSy,
    HSpaceSy, LanguageSy, FrameBorderSy, MarginWidthSy, MarginHeightSy, LoopSy, OnClickSy,
    // Token kinds.
    TextSymbol, OtherCharSymbol, UnknownTagSymbol, EofSymbol, LineEndSymbol, UnknownAttributeSymbol,
    SymbolCount
};

constexpr int TagCount = BgSoundSy + 1;
constexpr int TagsWithEndForm = TREndSy - HtmlEndSy + 1;

// The end symbol of a start symbol among the first 48 tags.
constexpr THtmlSymbol EndSymbolOf(THtmlSymbol start) {
    return static_cast<THtmlSymbol>(start + HtmlEndSy);
}

using TSymbolSet = std::bitset<SymbolCount>;

}  // namespace codelume
