// The one owning list of the model: it frees its items when cleared or destroyed.
#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace codelume {

template <typename T>
class TFreeList {
public:
    using Items = std::vector<std::unique_ptr<T>>;

    T* Add(std::unique_ptr<T> item) {
        Owned.push_back(std::move(item));
        return Owned.back().get();
    }
    void Insert(int index, std::unique_ptr<T> item) {
        Owned.insert(Owned.begin() + index, std::move(item));
    }
    std::unique_ptr<T> Extract(int index) {
        std::unique_ptr<T> item = std::move(Owned[Slot(index)]);
        Owned.erase(Owned.begin() + index);
        return item;
    }
    void Delete(int index) { Owned.erase(Owned.begin() + index); }
    void Clear() { Owned.clear(); }

    int Count() const { return static_cast<int>(Owned.size()); }
    bool IsEmpty() const { return Owned.empty(); }
    T* operator[](int index) const { return Owned[Slot(index)].get(); }
    T* Last() const { return Owned.empty() ? nullptr : Owned.back().get(); }
    int IndexOf(const T* item) const {
        for (int i = 0; i < Count(); ++i)
            if (Owned[Slot(i)].get() == item) return i;
        return -1;
    }

    typename Items::const_iterator begin() const { return Owned.begin(); }
    typename Items::const_iterator end() const { return Owned.end(); }

private:
    static size_t Slot(int index) { return static_cast<size_t>(index); }

    Items Owned;
};

}  // namespace codelume
