// Standard input and output in place of files: "-" names them on the command
// line. Both are read or written whole, so a failure leaves nothing half done.
#pragma once

#include <string>
#include <string_view>

namespace codelume {

inline constexpr std::string_view StandardStream = "-";

// Everything standard input holds; "Cannot read standard input (reason)".
std::string ReadStandardInput();
// Writes bytes and flushes; "Cannot write standard output (reason)".
void WriteStandardOutput(std::string_view bytes);
// Flushes what was printed; raises as WriteStandardOutput if any of it failed.
void FlushStandardOutput();

}  // namespace codelume
