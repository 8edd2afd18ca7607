// form-text FILE [-o OUT] [--no-header] [--force]: the text rendering of a
// binary form file, on standard output unless -o names a file. "-" reads the
// form from standard input. On failure the text rendered so far still goes
// to standard output; a file is written only whole.
#include <memory>

#include "base/Stream.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/StandardStreams.h"
#include "convert/Conversion.h"
#include "formfile/FormFile.h"

namespace codelume {
namespace {

std::unique_ptr<TStream> OpenForm(const std::string& source) {
    if (source == StandardStream) return std::make_unique<TMemoryStream>(ReadStandardInput());
    return OpenSourceStream(source);
}

void RenderForm(const TArguments& parsed, TStream& text) {
    std::unique_ptr<TStream> form = OpenForm(parsed.Positionals()[0]);
    if (parsed.Has("--no-header"))
        FormBinaryToText(*form, text);
    else
        FormResourceToText(*form, text);
}

void WriteText(const std::string& source, const std::string& destination, const std::string& text,
               bool force) {
    if (destination == StandardStream) {
        WriteStandardOutput(text);
        return;
    }
    if (!force && PathTaken(destination))
        throw ECodelumeError("Destination exists: " + destination + " (use --force)");
    RefuseSourceAsDestination(source, destination);
    WritePageFile(destination, text, force ? TOverwrite::owReplace : TOverwrite::owNever);
}

}  // namespace

int FormTextCommand(TCommandArguments arguments) {
    TArguments parsed(arguments, {{"-o", TOptionKind::okValue},
                                  {"--no-header", TOptionKind::okFlag},
                                  {"--force", TOptionKind::okFlag}});
    if (parsed.Positionals().size() != 1) throw EUsageError("form-text needs exactly one file");
    std::string destination = parsed.Value("-o").value_or(std::string(StandardStream));
    TMemoryStream text;
    try {
        RenderForm(parsed, text);
    } catch (const std::exception& error) {
        if (destination == StandardStream) WriteStandardOutput(text.Data());
        ReportError(error.what());
        return 1;
    }
    WriteText(parsed.Positionals()[0], destination, text.Data(), parsed.Has("--force"));
    return 0;
}

}  // namespace codelume
