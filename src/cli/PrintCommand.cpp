// print FILE -o OUT.pdf [--first N] [--last M] [--dpi D]: the page FILE shows
// in an offscreen viewer, printed to a PDF of A4 sheets with the viewer's
// 2 cm margins. Needs no display.
#include <cstdio>
#include <optional>

#include "base/OutputFile.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "qt/QtPrintDevice.h"
#include "viewer/OffscreenApplication.h"
#include "viewer/PageViewer.h"

namespace codelume {

int PrintCommand(TCommandArguments arguments) {
    TArguments parsed(arguments, {{"-o", TOptionKind::okValue},
                                  {"--first", TOptionKind::okValue},
                                  {"--last", TOptionKind::okValue},
                                  {"--dpi", TOptionKind::okValue}});
    std::optional<std::string> destination = parsed.Value("-o");
    if (parsed.Positionals().size() != 1 || !destination)
        throw EUsageError("print needs one file and -o OUT.pdf");
    int32_t firstPage = parsed.Number("--first", 1, 1, INT32_MAX);
    int32_t lastPage = parsed.Number("--last", 9999, 1, INT32_MAX);
    int32_t dpi = parsed.Number("--dpi", 600, 72, 2400);
    RefuseSourceAsDestination(parsed.Positionals()[0], *destination);
    std::unique_ptr<QApplication> application = EnsureApplication();
    TPageViewer viewer;
    viewer.SetViewImages(true);
    viewer.OnErrorMessage = [](const std::string& message) { ReportWarning(message); };
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
