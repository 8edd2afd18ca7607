// The sample form file of examples/: the main window of a small order-entry
// program, built with the test-side form writer.
#pragma once

#include <string>

namespace codelume {

// The bytes of examples/Sample.dfm: resource header and form stream.
std::string SampleFormFile();

}  // namespace codelume
