// Attribute lists for the tests, written as the scanner would read them.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

#include "document/Attributes.h"

namespace codelume {

inline TAttributeList Attributes(std::initializer_list<std::pair<THtmlSymbol, std::string>> items) {
    TAttributeList list;
    for (const auto& [kind, text] : items) list.Add(kind, std::atoi(text.c_str()), text);
    return list;
}

}  // namespace codelume
