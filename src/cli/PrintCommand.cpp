// print FILE -o OUT.pdf [--first N] [--last M] [--dpi D]: the page FILE shows
// in an offscreen viewer, printed to a PDF of A4 sheets with the viewer's
// 2 cm margins. Needs no display.
#include <QApplication>
#include <charconv>
#include <cstdio>
#include <optional>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "qt/QtPrintDevice.h"
#include "viewer/PageViewer.h"

namespace codelume {
namespace {

int32_t NumberOption(const TArguments& parsed, const std::string& option, int32_t fallback,
                     int32_t low, int32_t high) {
    std::optional<std::string> text = parsed.Value(option);
    if (!text) return fallback;
    int32_t value = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < low || value > high)
        throw EUsageError(option + " needs a number from " + std::to_string(low) + " to " +
                          std::to_string(high));
    return value;
}

}  // namespace

int PrintCommand(TCommandArguments arguments) {
    TArguments parsed(arguments, {{"-o", TOptionKind::okValue},
                                  {"--first", TOptionKind::okValue},
                                  {"--last", TOptionKind::okValue},
                                  {"--dpi", TOptionKind::okValue}});
    std::optional<std::string> destination = parsed.Value("-o");
    if (parsed.Positionals().size() != 1 || !destination)
        throw EUsageError("print needs one file and -o OUT.pdf");
    int32_t firstPage = NumberOption(parsed, "--first", 1, 1, INT32_MAX);
    int32_t lastPage = NumberOption(parsed, "--last", 9999, 1, INT32_MAX);
    int32_t dpi = NumberOption(parsed, "--dpi", 600, 72, 2400);
    // Nothing is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "codelume-cli";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    TPageViewer viewer;
    viewer.LoadFromFile(parsed.Positionals()[0]);
    auto device = TQtPrintDevice::PdfFile(*destination, dpi, viewer.logicalDpiY());
    viewer.PrintOn(*device, firstPage, lastPage);
    if (device->PagesWritten() == 0) {
        ReportError("no page in the range asked; " + *destination + " was not written");
        return 1;
    }
    std::printf("%d pages written to %s\n", device->PagesWritten(), destination->c_str());
    return 0;
}

}  // namespace codelume
