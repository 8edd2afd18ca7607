// What a converted page must read back as, worked out from the source alone,
// without the converter: the page's text and the preformatted lines a reader
// makes of it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace codelume {

// The source as the page's text shows it (tags removed, references decoded):
// line breaks as CR LF, tabs expanded to stops of 8, each other whitespace
// byte between tokens as one space, trailing whitespace dropped, comments and
// string literals as they stand otherwise.
std::string ExpectedPageText(std::string_view source);

// The lines of the preformatted block as the reader keeps them: the bytes as
// UTF-8 where they are valid and as Windows-1252 elsewhere, split at CR, LF,
// CR LF and LF CR, tabs as spaces, bytes 0, 2 and 4 dropped, an empty line
// as one space; the empty line after the block's opening tag first.
std::vector<std::string> ExpectedPreLines(std::string_view pageBytes);

}  // namespace codelume
