// render FILE -o OUT.png [--width W] [--height H] [--scroll Y]: what the
// viewer shows of FILE at that size and scroll offset, as a PNG picture.
#include <charconv>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "viewer/PageRender.h"

namespace codelume {
namespace {

constexpr int32_t MaxSide = 16384;

int32_t NumberOption(const TArguments& parsed, const std::string& option, int32_t fallback, int32_t low,
                     int32_t high) {
    std::optional<std::string> text = parsed.Value(option);
    if (!text) return fallback;
    int32_t value = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < low || value > high)
        throw EUsageError(option + " needs a number from " + std::to_string(low) + " to " + std::to_string(high));
    return value;
}

}  // namespace

int RenderCommand(TCommandArguments arguments) {
    TArguments parsed(arguments, {{"-o", TOptionKind::okValue},
                                  {"--width", TOptionKind::okValue},
                                  {"--height", TOptionKind::okValue},
                                  {"--scroll", TOptionKind::okValue}});
    if (parsed.Positionals().size() != 1) throw EUsageError("render needs exactly one file");
    std::optional<std::string> output = parsed.Value("-o");
    if (!output) throw EUsageError("render needs -o OUT.png");
    TRenderRequest request;
    request.Source = parsed.Positionals()[0];
    request.Output = *output;
    request.Width = NumberOption(parsed, "--width", request.Width, 16, MaxSide);
    request.Height = NumberOption(parsed, "--height", request.Height, 16, MaxSide);
    request.ScrollY = NumberOption(parsed, "--scroll", 0, 0, INT32_MAX);
    RenderPage(request);
    return 0;
}

}  // namespace codelume
