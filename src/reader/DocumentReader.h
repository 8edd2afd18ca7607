// The reader's entry points: each reads one whole source into a document the
// caller has emptied, filling the anchor index, and returns what the page's
// head said of itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Stream.h"
#include "document/AnchorIndex.h"
#include "document/SectionList.h"
#include "reader/HtmlReader.h"

namespace codelume {

struct TReadResult {
    std::string Title;
    std::string Base;        // HREF of the BASE tag
    std::string BaseTarget;  // TARGET of the BASE tag
};

// The file readers keep what was read before an "Open Comment at End of HTML
// File" error; the others let it propagate after keeping the open block.
TReadResult ParseDocumentFile(TSectionList& document, TAnchorIndex& anchorIndex,
                              const std::string& fileName, TSoundType onSoundRequest = {},
                              TIncludeType onInclude = {});
TReadResult ParseDocumentBuffer(TSectionList& document, TAnchorIndex& anchorIndex,
                                const char* start, int32_t length, TIncludeType onInclude = {});
TReadResult ParseDocumentStrings(TSectionList& document, TAnchorIndex& anchorIndex,
                                 const std::vector<std::string>& lines,
                                 TIncludeType onInclude = {});
TReadResult ParseDocumentStream(TSectionList& document, TAnchorIndex& anchorIndex, TStream& stream,
                                TIncludeType onInclude = {});

// Plain text: every line one preformatted block; no markup is read.
TReadResult ParseTextFile(TSectionList& document, TAnchorIndex& anchorIndex,
                          const std::string& fileName);
TReadResult ParseTextStrings(TSectionList& document, TAnchorIndex& anchorIndex,
                             const std::vector<std::string>& lines);

}  // namespace codelume
