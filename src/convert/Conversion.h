// The conversion workflow shared by the desktop window and the command line:
// destination naming, form detection, the streams of one conversion and the
// safe writing of the page.
#pragma once

#include <string>

#include "convert/FileNames.h"

namespace codelume {

// Unit1.pas -> Unit1_pas.HTM, src/my.dir/README -> src/my.dir/README_.HTM.
std::string ProposedDestination(const std::string& source);
// The extension is exactly ".dfm" (a FORM1.DFM is Pascal source).
bool IsFormFile(const std::string& source);

extern const char* const MakerName;
extern const char* const MakerAddress;
// The credit line of every page's footer.
std::string FooterCredit();

// Converts source into a complete page at destination. The destination is
// created first ("Cannot create file %s", before the source is opened); the
// page goes to a new temporary file beside it, renamed over it only when the
// conversion succeeded, so on failure the destination is as it was and no
// temporary file remains. Throws the conversion's error.
void ConvertToPage(const std::string& source, const std::string& destination);

}  // namespace codelume
