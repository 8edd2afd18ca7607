// The reader's document builder: a recursive-descent pass over the scanner's
// symbols that appends blocks, font runs and inline objects to the current cell
// of a document. One reader reads one document; it borrows the document and
// the anchor index and owns its font stack and the open text block.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/AnchorIndex.h"
#include "document/FontObj.h"
#include "document/Section.h"
#include "document/SectionList.h"
#include "objects/FormControls.h"
#include "objects/HtmlForm.h"
#include "reader/HtmlScanner.h"

namespace codelume {

// Answers a background sound: its source, how often to play it and whether to stop.
using TSoundType = std::function<void(const std::string& src, int32_t loop, bool terminate)>;

enum class TFontContext : uint8_t { fcText, fcPre };

// The ordered-list state of one list: how its items are numbered and marked.
struct TListStyle {
    bool Unordered = true;
    bool Plain = false;
    int32_t Number = 1;
    char NumberStyle = '1';
};

// What one FONT or BASEFONT tag asks for.
struct TFontChange {
    int32_t SizeIndex = 0;  // HTML size 1..7; 0 when no SIZE was given
    std::optional<TColor> Color;
    std::string Face;
    bool IsEmpty() const { return SizeIndex == 0 && !Color && Face.empty(); }
};

class THtmlReader : public THtmlScanner {
public:
    static constexpr int32_t MaxFontLevel = 25;
    // Deeper lists, CENTER and DIV blocks, and tables are read as unknown tags,
    // so that a hostile page cannot exhaust the stack.
    static constexpr int32_t MaxBlockNesting = 64;
    static constexpr int32_t MaxTableNesting = 16;
    // How far below a block's character limit the reader starts to look for a
    // space at which to continue in a new block.
    static constexpr int32_t BlockCutSlack = 1000;

    THtmlReader(TSectionList& document, TAnchorIndex& anchorIndex,
                std::unique_ptr<TByteSource> source, TIncludeType onInclude = {},
                TSoundType onSoundRequest = {}, TTextKind kind = TTextKind::tkHtml);

    // One whole read as HTML or as plain text; the open block is kept also
    // when an exception ends the read.
    void ReadHtml();
    void ReadText();

    std::string Title;
    std::string Base;
    std::string BaseTarget;

    // The body loop, the inline, list and preformatted routines.
    void ParseBody(int32_t level, const TSymbolSet& terminators);
    void ParseInline(int32_t level);
    void ParseList(int32_t depth, THtmlSymbol listTag, const TSymbolSet& terminators);
    void ParsePre(int32_t level);
    void ParseText();
    void ParseTitle();
    void ParseBase();

    // Tables, select options, text areas, maps, scripts and sounds, each
    // defined beside the other routines of its construct. ParseTable consumes
    // the TABLE end tag; ParseSelect leaves the SELECT end symbol current;
    // ParseTextArea consumes the end tag's '>'; ParseMap consumes the MAP end
    // tag; ParseScript leaves the SCRIPT end symbol current (an empty handler
    // drops the script); ParseSound consumes the BGSOUND tag.
    void ParseTable(int32_t level);
    void ParseSelect(TSelectControl& control);
    void ParseTextArea(TTextAreaControl& control);
    void ParseMap();
    void ParseScript(const TScriptEvent& handler);
    void ParseSound();

    // Building helpers shared with the routines above.
    TMyFont& TopFont() { return FontStack.back(); }
    int32_t FontLevel() const { return static_cast<int32_t>(FontStack.size()); }
    bool PushFont();
    void PopFont();
    void PopFontsTo(int32_t level);
    void CloseLink();
    void AddCurrentSection();
    void AppendText(std::string_view text);
    void ContinueSection();
    void EnsureSection(int32_t level);
    std::unique_ptr<TSection> NewSection(int32_t level, TAlignment align);
    void StartRun();
    void PlaceTagIds();

    TSectionList& Document;
    TCell* CurrentCell;
    std::unique_ptr<TSection> CurrentSection;
    TAnchorIndex& AnchorIndex;
    std::vector<TMyFont> FontStack;
    TUrlTarget CurrentLink;
    bool InLink = false;
    TAlignment Justification = taLeftJustify;
    int32_t BaseFontSize = 3;
    TRunStyle Style;
    THtmlForm* CurrentForm = nullptr;
    TSoundType OnSoundRequest;
    int32_t OpenBlocks = 0;
    int32_t OpenTables = 0;

private:
    void FinishParse();
    bool DispatchBodySymbol(int32_t level, const TSymbolSet& terminators);
    bool DispatchListSymbol(int32_t depth, int32_t& itemDepth, TListStyle& list,
                            const TSymbolSet& terminators);
    void ParseBodyTag(int32_t level);
    void ApplyBodyAttributes();
    void AddRule();
    void ParseNestedList(int32_t depth, const TSymbolSet& terminators);
    void ParseBlock(int32_t level, const TSymbolSet& terminators);
    void ParseItemBlock(int32_t itemDepth, const TSymbolSet& terminators);
    void ParseNestedTable(int32_t level);
    bool IsAtNestingCap() const { return OpenBlocks >= MaxBlockNesting; }

    void ParseParagraph(int32_t level);
    void ParseBreak(int32_t level);
    void ParseHeading(int32_t level);
    void ParseHeadingEnd();
    void ParseAddress(int32_t level);
    void ParseAddressEnd();
    void ParseAnchor(int32_t level);
    void OpenLink(const TAttribute& href);
    void InsertImage();
    void StartForm();
    void ParseFormControl(int32_t level);
    void ParsePage();
    TAlignment AlignFromAttributes() const;
    void SetPreFont(TMyFont& font) const;
    TFontChange ReadFontChange(THtmlSymbol tag);
    bool ApplyFontAttributes(THtmlSymbol tag, TFontContext context);
    bool StepFontSize(THtmlSymbol tag);

    TListStyle ReadListStyle(THtmlSymbol listTag) const;
    void StartListItem(int32_t depth, TListStyle& list);
    void StartDefinitionItem(int32_t itemDepth);

    bool ReadPreChar(int32_t level);
    bool ReadPreTag(int32_t level);
    void AppendPreChar();
    int32_t PreColumn() const;
    void FlushPending();
    void NewPreLine(int32_t level);
    std::unique_ptr<TPreformatted> NewPreSection(int32_t level);
    void StartPre(int32_t level);
    void FinishPre();

    std::string Pending;  // preformatted text not yet appended to its line
};

}  // namespace codelume
