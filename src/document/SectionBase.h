// Any block of a cell: its place in the flow and the virtual operations of layout,
// painting and the queries. Text blocks, gaps, rules, page breaks and tables
// derive from it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "base/Errors.h"
#include "canvas/Canvas.h"
#include "document/UrlTarget.h"

namespace codelume {

class TSectionList;
class IndentManager;
class TImageObj;
class TFormControlObj;

// A block that cannot be laid out; the cell reports it and drops the block.
class EProcessError : public ECodelumeError {
public:
    using ECodelumeError::ECodelumeError;
};

enum class TBlockKind : uint8_t {
    Section,
    Pre,
    UListItem,
    OListItem,
    DListItem,
    ParagraphSpace,
    HeadingSpace,
    HorzLine,
    Page,
    Table
};

// "section", "pre", "ulitem", ... as the document dump names the kinds.
const char* BlockKindName(TBlockKind kind);

enum class TCaseSense : uint8_t { Match, Ignore };

struct TCharHit {
    int32_t Index = -1;
    int32_t LineHeight = 0;  // TextHeight of the line hit
    int32_t LineTop = 0;     // top of the line's text, relative to the block or cell top
};

struct TLinkHit {
    TFormControlObj* Control = nullptr;  // an image button
    TUrlTarget Link;
};

struct TImageHit {
    TImageObj* Image = nullptr;
    int32_t X = 0;  // offset inside the image
    int32_t Y = 0;
};

class TSectionBase {
public:
    TSectionBase() = default;
    // The copy for another document (printing): only the block height is taken.
    TSectionBase(TSectionList& list, const TSectionBase& source);
    TSectionBase(const TSectionBase&) = delete;
    TSectionBase& operator=(const TSectionBase&) = delete;
    virtual ~TSectionBase() = default;

    TSectionList* Owner = nullptr;
    int32_t BlockHeight = 0;
    int32_t PaintHeight = 0;
    int32_t TopY = 0;
    int32_t FirstIndex = 0;
    int32_t CharCount = 0;

    void SetOwner(TSectionList& document);

    virtual TBlockKind Kind() const = 0;
    virtual std::unique_ptr<TSectionBase> CloneFor(TSectionList& list) const = 0;
    virtual void EmitSelectedText() {}
    // Lays the block out with its top at y; returns its height in the flow.
    virtual int32_t LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager, int32_t& maxWidth,
                             int32_t& curs);
    // Paints the part inside rect; y is the document Y of the block; returns the Y below it.
    virtual int32_t PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                            int32_t y);
    // Queries: y relative to the block top, x in screen coordinates.
    virtual bool LinkAt(TCanvas& canvas, int32_t x, int32_t y, TLinkHit& hit);
    virtual bool ImageAt(int32_t x, int32_t y, TImageHit& hit);
    virtual TCharHit CharIndexAt(TCanvas& canvas, int32_t x, int32_t y);
    virtual int32_t SearchText(int32_t from, std::string_view text, TCaseSense sense);
    virtual bool CaretPoint(TCanvas& canvas, int32_t index, TPoint& point);
    virtual bool CharAt(int32_t index, char& ch, TSectionBase*& block);
    // Whether block is this one or one laid out inside it (in a table's cells).
    virtual bool Holds(const TSectionBase* block) const { return block == this; }
    virtual void RefreshFonts() { RecomputeSpacing(); }
    virtual void RecomputeSpacing() {}
    virtual void WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth);
};

}  // namespace codelume
