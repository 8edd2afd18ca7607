#include "document/SelTextCount.h"

#include <algorithm>

namespace codelume {

namespace {

bool IsPlaceholder(char c) { return c == 2 || c == 4; }

}  // namespace

void SelTextCount::AddText(std::string_view text) {
    Count += static_cast<int32_t>(text.size()) -
             static_cast<int32_t>(std::count_if(text.begin(), text.end(), IsPlaceholder));
}

void TSelTextCollect::AddText(std::string_view text) {
    SelTextCount::AddText(text);
    std::copy_if(text.begin(), text.end(), std::back_inserter(Collected),
                 [](char c) { return !IsPlaceholder(c); });
}

}  // namespace codelume
