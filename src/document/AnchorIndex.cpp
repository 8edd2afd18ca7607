#include "document/AnchorIndex.h"

#include <algorithm>

#include "base/Ascii.h"

namespace codelume {

namespace {

bool NameBefore(const TAnchorIndex::TAnchor& anchor, const std::string& name) {
    return anchor.Name < name;
}

}  // namespace

void TAnchorIndex::Add(std::string_view name, TSectionBase* block) {
    std::string upper = UpperAscii(name);
    auto at = std::lower_bound(Anchors.begin(), Anchors.end(), upper, NameBefore);
    if (at != Anchors.end() && at->Name == upper) return;
    Anchors.insert(at, TAnchor{std::move(upper), block});
}

TSectionBase* TAnchorIndex::Find(std::string_view name) const {
    std::string upper = UpperAscii(name);
    auto at = std::lower_bound(Anchors.begin(), Anchors.end(), upper, NameBefore);
    return at != Anchors.end() && at->Name == upper ? at->Block : nullptr;
}

void TAnchorIndex::MoveAnchors(const TSectionBase* from, TSectionBase* to) {
    for (TAnchor& anchor : Anchors)
        if (anchor.Block == from) anchor.Block = to;
}

}  // namespace codelume
