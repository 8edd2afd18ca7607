// form-text FILE [--no-header]: the text rendering of a binary form file on
// standard output. On failure the text rendered so far is still written.
#include <cstdio>

#include "base/Stream.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "formfile/FormFile.h"

namespace codelume {
namespace {

void WriteToStandardOutput(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

int FormTextCommand(TCommandArguments arguments) {
    TArguments parsed(arguments, {{"--no-header", TOptionKind::okFlag}});
    if (parsed.Positionals().size() != 1) throw EUsageError("form-text needs exactly one file");
    TMemoryStream text;
    try {
        TFileStream form(parsed.Positionals()[0], TFileStream::TMode::fmOpenRead);
        if (parsed.Has("--no-header"))
            FormBinaryToText(form, text);
        else
            FormResourceToText(form, text);
    } catch (const std::exception& error) {
        WriteToStandardOutput(text.Data());
        ReportError(error.what());
        return 1;
    }
    WriteToStandardOutput(text.Data());
    return 0;
}

}  // namespace codelume
