// Named anchors: upper-cased names in ascending byte order, each with the block
// that holds it. The reader fills it; the viewer owns it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace codelume {

class TSectionBase;

class TAnchorIndex {
public:
    struct TAnchor {
        std::string Name;
        TSectionBase* Block;  // borrowed; compared, never followed, once the block is gone
    };

    // Adds the name upper-cased (ASCII letters only); a second anchor of a name is not added.
    void Add(std::string_view name, TSectionBase* block);
    // The block of a name (with or without a leading '#' is the caller's business), or none.
    TSectionBase* Find(std::string_view name) const;
    // Every anchor of from now points at to (used when a block is replaced).
    void MoveAnchors(const TSectionBase* from, TSectionBase* to);
    void Clear() { Anchors.clear(); }

    int Count() const { return static_cast<int>(Anchors.size()); }
    const TAnchor& operator[](int index) const { return Anchors[static_cast<size_t>(index)]; }
    std::vector<TAnchor>::const_iterator begin() const { return Anchors.begin(); }
    std::vector<TAnchor>::const_iterator end() const { return Anchors.end(); }

private:
    std::vector<TAnchor> Anchors;
};

}  // namespace codelume
