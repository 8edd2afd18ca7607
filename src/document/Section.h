// Text blocks: characters with font runs, inline images and form controls, laid
// out into lines. Preformatted lines and list items are text blocks too.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/FreeList.h"
#include "document/Attributes.h"
#include "document/FontObj.h"
#include "document/FormControl.h"
#include "document/ImageObj.h"
#include "document/SectionBase.h"

namespace codelume {

class TCell;

// Byte values that stand for an inline object in a block's characters.
constexpr char ImagePlaceholder = 4;
constexpr char ControlPlaceholder = 2;
// Characters offered to a block that already holds more are dropped.
constexpr int32_t MaxBlockChars = 20000;

enum TAlignment : uint8_t { taLeftJustify = 1, taCenter = 2, taRightJustify = 3 };
enum TMarkerKind : uint8_t { mkNone, mkOrdered, mkUnordered, mkNoMarker };
enum TClearMode : uint8_t { cmNone, cmLeft, cmRight, cmBoth };

// One laid-out line; it points into its block's characters instead of copying them.
struct LineRec {
    const char* StartAt = nullptr;
    int32_t GapAbove = 0;
    int32_t GapBelow = 0;
    int32_t TextHeight = 0;
    int32_t Extent = 0;  // vertical space covered, floats that start on the line included
    int32_t CharsInLine = 0;
    int32_t LineDescent = 0;
    int32_t LeftX = 0;     // layout coordinates, after alignment and indent
    int32_t Indent = 0;    // a printed continuation line's indent, where its mark stands
    int32_t PaintedX = 0;  // screen coordinates of the last paint
    int32_t PaintedY = 0;  // document Y of the text top at the last paint

    int32_t FullHeight() const { return GapAbove + TextHeight + GapBelow; }
};

enum class TTrim : uint8_t { Keep, TrailingSpaces };
// Where a block's lines may break: at spaces, or after any character (a
// preformatted line on paper, whose continuation lines are indented).
enum class TLineBreaks : uint8_t { AtSpaces, AnyCharacter };

// The marker text of an ordered item: a letter, a Roman numeral or a number, and
// "."; letters stop at Z, numerals at XX, and the text at 7 characters.
std::string OrderedMarker(char numberStyle, int32_t itemNumber);

class TSection : public TSectionBase {
public:
    // A new block; style gives the style bits of its first run and has its script
    // position reset.
    TSection(int32_t depth, TAlignment align, const TUrlTarget& link, const TMyFont& font,
             TRunStyle& style);
    TSection(TSectionList& list, const TSection& source);

    std::unique_ptr<char[]> Chars;
    int32_t Capacity = 0;
    TFontList Runs;
    TImageObjList Images;
    TFormControlList Controls;
    int32_t Depth;
    int32_t IndentPx;
    int32_t ItemNumber = 0;
    TFreeList<LineRec> Lines;
    TMyFont MarkerFont;
    TMarkerKind MarkerKind = mkNone;
    TAlignment Align;
    TClearMode ClearMode = cmNone;
    int32_t TopLeftEdge = 0;

    std::string_view Text() const { return {Chars.get(), static_cast<size_t>(CharCount)}; }

    // Building, in reading order.
    virtual void AppendText(std::string_view s);
    void StartFontRun(TSectionList& document, const TMyFont& font, const TRunStyle& style);
    // A new run whose link is the given one; an empty link closes the open one.
    void ChangeLink(TSectionList& document, const TMyFont& font, const TUrlTarget& link,
                    const TRunStyle& style);
    TImageObj* InsertImage(std::unique_ptr<TImageObj> image);
    // A hidden control adds nothing to the text; an image button goes in through
    // InsertImage with the image's Control set; any other control adds byte 2.
    TFormControlObj* InsertFormControl(TFormControlObj& control);
    TAlignment FinishSection();
    void SetClear(const TAttributeList& attributes);
    // Called when the block joins a cell: the zero byte after the last character.
    virtual void Terminate();

    TBlockKind Kind() const override { return TBlockKind::Section; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;
    void EmitSelectedText() override;
    int32_t LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager, int32_t& maxWidth,
                     int32_t& curs) override;
    int32_t PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                    int32_t y) override;
    bool LinkAt(TCanvas& canvas, int32_t x, int32_t y, TLinkHit& hit) override;
    bool ImageAt(int32_t x, int32_t y, TImageHit& hit) override;
    TCharHit CharIndexAt(TCanvas& canvas, int32_t x, int32_t y) override;
    int32_t SearchText(int32_t from, std::string_view text, TCaseSense sense) override;
    bool CaretPoint(TCanvas& canvas, int32_t index, TPoint& point) override;
    bool CharAt(int32_t index, char& ch, TSectionBase*& block) override;
    void RefreshFonts() override;
    void WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth) override;

    // Measuring, shared by layout, painting and the hit tests.
    void MeasureRuns(TCanvas& canvas);
    int32_t TextWidthOf(TCanvas& canvas, int32_t start, TTrim trim, int32_t count) const;
    int32_t CharsInWidth(TCanvas& canvas, int32_t x, int32_t count, int32_t start) const;
    // Characters from start to the next run start, image or control (at most count).
    int32_t PieceLength(int32_t start, int32_t count) const;

protected:
    void AppendBytes(std::string_view s);
    // The width a line starting at y may fill.
    virtual int32_t LineWidthAt(const IndentManager& manager, int32_t y) const;
    virtual TLineBreaks LineBreaks() const { return TLineBreaks::AtSpaces; }

private:
    friend class TLineBuilder;
    void AppendPlaceholder(char placeholder);
    void GrowFor(int32_t length);
    bool OnlyFloatingImages() const;
    void LayoutObjects(TCanvas& canvas, int32_t y, const IndentManager& manager, int32_t& maxWidth);
    const LineRec* LineAt(int32_t y, int32_t& top, int32_t& before) const;
    bool ImageLinkAt(int32_t x, int32_t y, TLinkHit& hit) const;
};

class TPreformatted : public TSection {
public:
    using TSection::TSection;
    TPreformatted(TSectionList& list, const TPreformatted& source) : TSection(list, source) {}

    TBlockKind Kind() const override { return TBlockKind::Pre; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;
    void AppendText(std::string_view s) override;
    void Terminate() override;
    int32_t LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager, int32_t& maxWidth,
                     int32_t& curs) override;
    void WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth) override;

protected:
    int32_t LineWidthAt(const IndentManager& manager, int32_t y) const override;
    TLineBreaks LineBreaks() const override;

private:
    // On paper a line wider than the page goes on in the next lines, so no text
    // is lost; on screen it stays whole and the viewer scrolls sideways.
    bool WrapsLines() const;
    // The width of the text as one line, with the runs measured.
    int32_t UnbrokenWidth(TCanvas& canvas) const;
};

class TUListItem : public TSection {
public:
    TUListItem(int32_t depth, const TUrlTarget& link, const TMyFont& font, TRunStyle& style);
    TUListItem(TSectionList& list, const TUListItem& source);

    TBlockKind Kind() const override { return TBlockKind::UListItem; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;

    bool PlainItem = false;

protected:
    // The definition-list item's constructor: no marker.
    TUListItem(int32_t depth, const TUrlTarget& link, const TMyFont& font, TRunStyle& style,
               TMarkerKind kind);
};

class TOListItem : public TUListItem {
public:
    TOListItem(int32_t depth, const TUrlTarget& link, const TMyFont& font, TRunStyle& style,
               char numberStyle, int32_t itemNumber);
    TOListItem(TSectionList& list, const TOListItem& source);

    TBlockKind Kind() const override { return TBlockKind::OListItem; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;

    char NumberStyle;  // 'A', 'a', 'I', 'i'; anything else numbers in decimal
};

class TDListItem : public TUListItem {
public:
    TDListItem(int32_t depth, const TUrlTarget& link, const TMyFont& font, TRunStyle& style)
        : TUListItem(depth, link, font, style, mkNoMarker) {}
    TDListItem(TSectionList& list, const TDListItem& source) : TUListItem(list, source) {}

    TBlockKind Kind() const override { return TBlockKind::DListItem; }
    std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const override;
};

}  // namespace codelume
