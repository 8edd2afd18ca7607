// Pages to measure the engine with: the converter's page of a generated Pascal
// unit, and general HTML of headings, paragraphs, lists, links and tables.
#pragma once

#include <cstddef>
#include <string>

namespace codelume {

// The converted page of a generated unit of the given number of lines.
std::string ConvertedPage(int lines);

// At least minimumBytes of general HTML.
std::string GeneralPage(size_t minimumBytes);

}  // namespace codelume
