// The body loop, lists and CENTER/DIV blocks.
#include "document/ParseColor.h"
#include "reader/HtmlReader.h"
#include "reader/ReaderSymbols.h"

namespace codelume {
namespace {

// Counts one open list, block or table for as long as its routine runs.
class TNestingLevel {
public:
    explicit TNestingLevel(int32_t& count) : Count(count) { ++Count; }
    ~TNestingLevel() { --Count; }
    TNestingLevel(const TNestingLevel&) = delete;
    TNestingLevel& operator=(const TNestingLevel&) = delete;

private:
    int32_t& Count;
};

}  // namespace

// The symbol in hand is dispatched before the loop tests for the end.
void THtmlReader::ParseBody(int32_t level, const TSymbolSet& terminators) {
    do {
        if (!DispatchBodySymbol(level, terminators)) return;
    } while (Sym != EofSymbol && Sym != BodyEndSy);
    NextSymbol();
}

// Returns false when Sym is a terminator the caller handles.
bool THtmlReader::DispatchBodySymbol(int32_t level, const TSymbolSet& terminators) {
    switch (Sym) {
        case TitleSy:
            ParseTitle();
            return true;
        case BodySy:
            ParseBodyTag(level);
            return true;
        case HRSy:
            AddRule();
            return true;
        case BaseSy:
            ParseBase();
            return true;
        case BgSoundSy:
            ParseSound();
            return true;
        default:
            break;
    }
    if (Sym == TableSy || InlineSymbols().test(Sym))
        ParseInline(level);
    else if (ListTags().test(Sym) && !IsAtNestingCap())
        ParseNestedList(1, terminators);
    else if (BlockTags().test(Sym) && !IsAtNestingCap())
        ParseBlock(level, terminators);
    else if (terminators.test(Sym))
        return false;
    else
        NextSymbol();
    return true;
}

// BODY counts only while the cell holds no block: the text read before it
// (the content of unknown HEAD elements) is discarded, and anchors that point
// into that text move to the block BODY starts.
void THtmlReader::ParseBodyTag(int32_t level) {
    if (CurrentCell->Blocks.IsEmpty()) {
        std::unique_ptr<TSection> discarded = std::move(CurrentSection);
        ApplyBodyAttributes();
        CurrentSection = std::make_unique<TSection>(level, Justification, TUrlTarget(),
                                                    FontStack.front(), Style);
        if (discarded) AnchorIndex.MoveAnchors(discarded.get(), CurrentSection.get());
    }
    NextSymbol();
}

void THtmlReader::ApplyBodyAttributes() {
    for (const auto& attribute : Attributes) {
        TColor color;
        switch (attribute->Kind) {
            case TextSy:
                if (ParseColor(attribute->Text, color))
                    TopFont().Color = Document.FontColor = color | PaletteRelative;
                break;
            case LinkSy:
                if (ParseColor(attribute->Text, color))
                    Document.HotSpotColor = color | PaletteRelative;
                break;
            case BgColorSy:
                if (ParseColor(attribute->Text, color))
                    Document.SetPageColor(color | PaletteRelative);
                break;
            case BackgroundSy:
                Document.BackgroundName = attribute->Text;
                break;
            default:
                break;
        }
    }
}

// A list met by a routine. A list end tag always ends the innermost list and is
// consumed here, even when the caller would also stop at one. A terminator that
// cut the list short (a table cell, the end of a CENTER) stays for the caller,
// so that it still ends what it belongs to.
void THtmlReader::ParseNestedList(int32_t depth, const TSymbolSet& terminators) {
    AddCurrentSection();
    ParseList(depth, Sym, terminators);
    if (ListEnds().test(Sym) || !terminators.test(Sym)) NextSymbol();
}

void THtmlReader::ParseBlock(int32_t level, const TSymbolSet& terminators) {
    TNestingLevel nesting(OpenBlocks);
    AddCurrentSection();
    TAlignment saved = Justification;
    if (Sym == CenterSy)
        Justification = taCenter;
    else if (const TAttribute* align = Attributes.Find(AlignSy))
        Justification = AlignmentOf(align->Text, Justification);
    CurrentSection = NewSection(level, Justification);
    NextSymbol();
    ParseBody(level, terminators | BlockEnds());
    AddCurrentSection();
    Justification = saved;
    CurrentSection = NewSection(level, Justification);
    if (Sym == CenterEndSy || Sym == DivEndSy) NextSymbol();
}

void THtmlReader::ParseNestedTable(int32_t level) {
    if (OpenTables >= MaxTableNesting) {
        NextSymbol();
        return;
    }
    TNestingLevel nesting(OpenTables);
    ParseTable(level);
}

void THtmlReader::ParseList(int32_t depth, THtmlSymbol listTag, const TSymbolSet& terminators) {
    TNestingLevel nesting(OpenBlocks);
    TListStyle list = ReadListStyle(listTag);
    AddCurrentSection();
    NextSymbol();
    if (ListEnds().test(Sym)) return;
    int32_t itemDepth = depth;
    do {
        if (!DispatchListSymbol(depth, itemDepth, list, terminators)) return;
    } while (!ListEnds().test(Sym) && Sym != EofSymbol);
    AddCurrentSection();
}

bool THtmlReader::DispatchListSymbol(int32_t depth, int32_t& itemDepth, TListStyle& list,
                                     const TSymbolSet& terminators) {
    switch (Sym) {
        case HRSy:
            AddRule();
            return true;
        case LISy:
            StartListItem(depth, list);
            itemDepth = depth;
            return true;
        case DDSy:
        case DTSy:
            itemDepth = Sym == DDSy ? depth : depth - 1;
            StartDefinitionItem(itemDepth);
            return true;
        case TableSy:
            if (CurrentSection && OpenTables < MaxTableNesting) CurrentSection->FinishSection();
            ParseNestedTable(itemDepth);
            return true;
        default:
            break;
    }
    if (InlineSymbols().test(Sym))
        ParseInline(itemDepth);
    else if (ListTags().test(Sym) && !IsAtNestingCap())
        ParseNestedList(depth + 1, terminators);
    else if (BlockTags().test(Sym) && !IsAtNestingCap())
        ParseItemBlock(itemDepth, terminators);
    else if (terminators.test(Sym))
        return false;
    else
        NextSymbol();
    return true;
}

// A CENTER or DIV in a list item, and the body content after it, up to the
// next item or the end of the list, both of which the list handles.
void THtmlReader::ParseItemBlock(int32_t itemDepth, const TSymbolSet& terminators) {
    static const TSymbolSet listStops = ListEnds() | ListItemTags() | Symbols({EofSymbol});
    ParseBody(itemDepth, terminators | listStops);
}

TListStyle THtmlReader::ReadListStyle(THtmlSymbol listTag) const {
    TListStyle list;
    list.Unordered = listTag != OLSy;
    if (listTag == ULSy) list.Plain = Attributes.Find(PlainSy) != nullptr;
    if (listTag != OLSy) return list;
    if (const TAttribute* start = Attributes.Find(StartSy); start && start->Value >= 0)
        list.Number = start->Value;
    if (const TAttribute* type = Attributes.Find(TypeSy); type && !type->Text.empty())
        list.NumberStyle = type->Text[0];
    return list;
}

// A P right after LI adds no space.
void THtmlReader::StartListItem(int32_t depth, TListStyle& list) {
    AddCurrentSection();
    if (list.Unordered) {
        auto item = std::make_unique<TUListItem>(depth, CurrentLink, TopFont(), Style);
        item->PlainItem = list.Plain;
        CurrentSection = std::move(item);
    } else {
        CurrentSection = std::make_unique<TOListItem>(depth, CurrentLink, TopFont(), Style,
                                                      list.NumberStyle, list.Number);
        if (list.Number < INT32_MAX) ++list.Number;
    }
    SkipSpaces();
    NextSymbol();
    if (Sym == PSy) NextSymbol();
}

void THtmlReader::StartDefinitionItem(int32_t itemDepth) {
    AddCurrentSection();
    CurrentSection = std::make_unique<TDListItem>(itemDepth, CurrentLink, TopFont(), Style);
    NextSymbol();
}

}  // namespace codelume
