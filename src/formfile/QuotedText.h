// Writes a string value as form text: runs of printable characters between
// apostrophes, other characters as "#" and their code, at most 64 characters
// on each text line, the lines joined by " +".
#pragma once

#include <string>

#include "formfile/FormTextWriter.h"

namespace codelume {

// A byte string; a line is never cut inside a UTF-8 sequence.
void WriteQuotedText(TFormTextWriter& out, const std::string& text);
// A string of 16-bit units; units from 32 to 255 are written as one byte.
void WriteQuotedText(TFormTextWriter& out, const std::u16string& text);

}  // namespace codelume
