// The parsed attributes of the tag just read, found by kind.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/FreeList.h"
#include "document/HtmlSymbols.h"

namespace codelume {

struct TAttribute {
    TAttribute(THtmlSymbol kind, int32_t value, std::string text)
        : Kind(kind), Value(value), Text(std::move(text)) {}
    THtmlSymbol Kind;
    int32_t Value;
    std::string Text;  // empty when the attribute had no value
};

class TAttributeList : public TFreeList<TAttribute> {
public:
    void Add(THtmlSymbol kind, int32_t value, std::string text) {
        TFreeList<TAttribute>::Add(std::make_unique<TAttribute>(kind, value, std::move(text)));
    }
    // The first attribute of the kind in document order, or none.
    const TAttribute* Find(THtmlSymbol kind) const {
        for (const auto& attribute : *this)
            if (attribute->Kind == kind) return attribute.get();
        return nullptr;
    }
};

}  // namespace codelume
