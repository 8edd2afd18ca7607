#include "document/SectionBase.h"

#include "document/IndentManager.h"
#include "document/SectionList.h"

namespace codelume {

const char* BlockKindName(TBlockKind kind) {
    static constexpr const char* Names[] = {"section", "pre",    "ulitem", "olitem", "dlitem",
                                            "pspace",  "hspace", "hrule",  "page",   "table"};
    return Names[static_cast<int>(kind)];
}

TSectionBase::TSectionBase(TSectionList& list, const TSectionBase& source)
    : Owner(&list), BlockHeight(source.BlockHeight) {}

void TSectionBase::SetOwner(TSectionList& document) {
    Owner = &document;
    RecomputeSpacing();
}

int32_t TSectionBase::LayoutAt(TCanvas&, int32_t y, IndentManager& manager, int32_t& maxWidth,
                               int32_t& curs) {
    TopY = y;
    FirstIndex = curs;
    PaintHeight = BlockHeight;
    maxWidth = manager.AvailWidth;
    return BlockHeight;
}

int32_t TSectionBase::PaintAt(TCanvas&, const TRect&, IndentManager&, int32_t, int32_t y) {
    TopY = y;
    return y + BlockHeight;
}

bool TSectionBase::LinkAt(TCanvas&, int32_t, int32_t, TLinkHit&) { return false; }

bool TSectionBase::ImageAt(int32_t, int32_t, TImageHit&) { return false; }

TCharHit TSectionBase::CharIndexAt(TCanvas&, int32_t, int32_t) { return {}; }

int32_t TSectionBase::SearchText(int32_t, std::string_view, TCaseSense) { return -1; }

bool TSectionBase::CaretPoint(TCanvas&, int32_t, TPoint&) { return false; }

bool TSectionBase::CharAt(int32_t, char&, TSectionBase*&) { return false; }

void TSectionBase::WidthBounds(TCanvas&, int32_t& minWidth, int32_t& maxWidth) {
    minWidth = 0;
    maxWidth = 0;
}

}  // namespace codelume
