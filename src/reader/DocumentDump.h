// The engine's debugging window: a laid-out document written as text, one
// record a line (title, document, each block with its lines, anchors).
#pragma once

#include <cstdint>
#include <string>

#include "document/AnchorIndex.h"
#include "document/SectionList.h"

namespace codelume {

// The document as its last layout left it; height and maxWidth are what that
// layout returned.
std::string DumpDocument(const TSectionList& document, const TAnchorIndex& anchors,
                         const std::string& title, int32_t height, int32_t maxWidth);

}  // namespace codelume
