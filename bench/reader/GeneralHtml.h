// A general HTML page of the size a long manual reaches: headings with
// anchors, wrapping paragraphs with inline styles, links and character
// references, nested lists, tables, block quotes and preformatted examples.
#pragma once

#include <cstddef>
#include <string>

namespace codelume {

// At least minimumBytes of HTML; the same size gives the same page.
std::string GenerateGeneralHtml(size_t minimumBytes);

}  // namespace codelume
