// Named anchors: upper-cased names in ascending byte order, each with the block
// that holds it. The reader fills it; the viewer owns it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace codelume {

class TSectionBase;

// Adding and moving cost constant time, so a document of a million anchors,
// in any order, reads in linear time; the names are put in order once, when
// they are first looked at. Looking is const but not thread-safe.
class TAnchorIndex {
public:
    struct TAnchor {
        TAnchor(std::string name, uint32_t slot) : Name(std::move(name)), Slot(slot) {}

        std::string Name;
        // Borrowed; compared, never followed, once the block is gone.
        TSectionBase* Block = nullptr;

    private:
        friend class TAnchorIndex;
        uint32_t Slot;  // the entry of Blocks that holds the anchor's block
    };

    // Adds the name upper-cased (ASCII letters only); a second anchor of a name is not added.
    void Add(std::string_view name, TSectionBase* block);
    // The block of a name (with or without a leading '#' is the caller's business), or none.
    TSectionBase* Find(std::string_view name) const;
    // Every anchor of from now points at to (used when a block is replaced).
    void MoveAnchors(const TSectionBase* from, TSectionBase* to);
    void Clear();

    int Count() const { return static_cast<int>(Sorted().size()); }
    const TAnchor& operator[](int index) const { return Sorted()[static_cast<size_t>(index)]; }
    std::vector<TAnchor>::const_iterator begin() const { return Sorted().begin(); }
    std::vector<TAnchor>::const_iterator end() const { return Sorted().end(); }

private:
    // The anchors in name order, each name once, with their blocks filled in.
    const std::vector<TAnchor>& Sorted() const;
    uint32_t Root(uint32_t slot) const;

    // Anchors hold an entry of Blocks rather than the block itself, so moving
    // every anchor of a block is one change of its entry. Entries joined by a
    // move form a tree (Parent); the root's block is the one that counts.
    std::vector<TSectionBase*> Blocks;
    mutable std::vector<uint32_t> Parent;
    std::unordered_map<const TSectionBase*, uint32_t> EntryOf;
    mutable std::vector<TAnchor> Anchors;  // a sorted head, then the ones added since
    mutable size_t SortedCount = 0;
    mutable bool BlocksChanged = false;
};

}  // namespace codelume
