// render FILE -o OUT.png [--width W] [--height H] [--scroll Y]: what the
// viewer shows of FILE at that size and scroll offset, as a picture in the
// format OUT's extension names.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "viewer/PageRender.h"

namespace codelume {
namespace {

constexpr int32_t MaxSide = 16384;

}  // namespace

int RenderCommand(TCommandArguments arguments) {
    TArguments parsed(arguments, {{"-o", TOptionKind::okValue},
                                  {"--width", TOptionKind::okValue},
                                  {"--height", TOptionKind::okValue},
                                  {"--scroll", TOptionKind::okValue}});
    if (parsed.Positionals().size() != 1) throw EUsageError("render needs exactly one file");
    std::optional<std::string> output = parsed.Value("-o");
    if (!output) throw EUsageError("render needs -o OUT.png");
    if (!PictureFormatOf(*output))
        throw EUsageError("render writes " + WritablePictureFormats() +
                          " pictures, as the extension of OUT says");
    TRenderRequest request;
    request.Source = parsed.Positionals()[0];
    request.Output = *output;
    request.Width = parsed.Number("--width", request.Width, 16, MaxSide);
    request.Height = parsed.Number("--height", request.Height, 16, MaxSide);
    request.ScrollY = parsed.Number("--scroll", 0, 0, INT32_MAX);
    request.OnWarning = [](const std::string& message) { ReportWarning(message); };
    RenderPage(request);
    return 0;
}

}  // namespace codelume
