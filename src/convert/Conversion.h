// The conversion workflow shared by the desktop window and the command line:
// destination naming, form detection, the streams of one conversion and the
// safe writing of the page.
#pragma once

#include <cstdint>
#include <string>

#include "base/OutputFile.h"
#include "base/Stream.h"
#include "convert/FileNames.h"

namespace codelume {

// Unit1.pas -> Unit1_pas.HTM, src/my.dir/README -> src/my.dir/README_.HTM.
std::string ProposedDestination(const std::string& source);
// What a source holds, and so how it becomes a page.
enum class TSourceKind : uint8_t { skPascal, skFormText, skFormResource, skFormStream };

// A binary form is recognised by its first bytes, whatever the file is called;
// any other file named .dfm, .lfm, .xfm or .fmx, in any letter case, is form
// text. data is read from its position, which is kept.
TSourceKind SourceKindOf(const std::string& path, TStream& data);

extern const char* const MakerName;
extern const char* const MakerAddress;
// The credit line of every page's footer.
std::string FooterCredit();

// Converts source into a complete page at destination, written through a
// TOutputFile: a destination that cannot be created fails first, before the
// source is opened, and on any failure the destination is as it was. A
// destination that is the source itself is refused. Throws the conversion's
// error.
void ConvertToPage(const std::string& source, const std::string& destination, TOverwrite overwrite);

// Writes the page of the source that input holds, named name on the page, to
// output; input must be seekable (a file, or standard input read into memory).
void ConvertStream(TStream& input, TStream& output, const std::string& name);
// The same for the source file at path ("Cannot open file %s").
void ConvertFile(const std::string& source, TStream& output);
// ConvertStream into a page file, written as ConvertToPage writes it.
void ConvertStreamToPage(TStream& input, const std::string& name, const std::string& destination,
                         TOverwrite overwrite);
// Writes a whole page made elsewhere (an index) as ConvertToPage writes one.
void WritePageFile(const std::string& destination, const std::string& page, TOverwrite overwrite);

// The file at path is a page Codelume wrote: its head names the generator.
// Such a page may be written again without asking.
bool IsGeneratedPage(const std::string& path);

}  // namespace codelume
