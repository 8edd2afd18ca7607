#include "document/AnchorIndex.h"

#include <algorithm>

#include "base/Ascii.h"

namespace codelume {

namespace {

bool NameBefore(const TAnchorIndex::TAnchor& anchor, const std::string& name) {
    return anchor.Name < name;
}

bool NamesBefore(const TAnchorIndex::TAnchor& left, const TAnchorIndex::TAnchor& right) {
    return left.Name < right.Name;
}

bool SameName(const TAnchorIndex::TAnchor& left, const TAnchorIndex::TAnchor& right) {
    return left.Name == right.Name;
}

}  // namespace

void TAnchorIndex::Add(std::string_view name, TSectionBase* block) {
    auto [entry, added] = EntryOf.try_emplace(block, static_cast<uint32_t>(Blocks.size()));
    if (added) {
        Blocks.push_back(block);
        Parent.push_back(entry->second);
    }
    Anchors.emplace_back(UpperAscii(name), entry->second);
}

// The names added since the last look are sorted and merged in; both sorts
// are stable, so of equal names the first added stays and the others go.
const std::vector<TAnchorIndex::TAnchor>& TAnchorIndex::Sorted() const {
    if (SortedCount == Anchors.size() && !BlocksChanged) return Anchors;
    auto head = Anchors.begin() + static_cast<std::ptrdiff_t>(SortedCount);
    std::stable_sort(head, Anchors.end(), NamesBefore);
    std::inplace_merge(Anchors.begin(), head, Anchors.end(), NamesBefore);
    Anchors.erase(std::unique(Anchors.begin(), Anchors.end(), SameName), Anchors.end());
    for (TAnchor& anchor : Anchors) anchor.Block = Blocks[Root(anchor.Slot)];
    SortedCount = Anchors.size();
    BlocksChanged = false;
    return Anchors;
}

TSectionBase* TAnchorIndex::Find(std::string_view name) const {
    const std::vector<TAnchor>& anchors = Sorted();
    std::string upper = UpperAscii(name);
    auto at = std::lower_bound(anchors.begin(), anchors.end(), upper, NameBefore);
    return at != anchors.end() && at->Name == upper ? at->Block : nullptr;
}

// Halves the path on the way, so chains of moves stay short.
uint32_t TAnchorIndex::Root(uint32_t slot) const {
    while (Parent[slot] != slot) {
        Parent[slot] = Parent[Parent[slot]];
        slot = Parent[slot];
    }
    return slot;
}

// The entry of from becomes to's, or joins to's entry when to has anchors of
// its own. A block that comes later at from's address gets a new entry.
void TAnchorIndex::MoveAnchors(const TSectionBase* from, TSectionBase* to) {
    auto entry = EntryOf.find(from);
    if (entry == EntryOf.end() || from == to) return;
    uint32_t slot = entry->second;
    EntryOf.erase(entry);
    auto [target, added] = EntryOf.try_emplace(to, slot);
    if (added)
        Blocks[slot] = to;
    else
        Parent[slot] = target->second;
    BlocksChanged = true;
}

void TAnchorIndex::Clear() {
    Blocks.clear();
    Parent.clear();
    EntryOf.clear();
    Anchors.clear();
    SortedCount = 0;
    BlocksChanged = false;
}

}  // namespace codelume
