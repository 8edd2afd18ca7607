// dump FILE [--width W] [--fixed-metrics]: reads an HTML file as the viewer
// does, lays it out at width W (600 unless given) and writes the document's
// blocks, lines and anchors to standard output.
#include <charconv>
#include <cstdio>

#include "canvas/FixedCanvas.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/StandardStreams.h"
#include "reader/DocumentDump.h"
#include "reader/DocumentReader.h"

#ifdef CODELUME_VIEWER
#include "qt/ScreenCanvas.h"
#include "viewer/OffscreenApplication.h"
#endif

namespace codelume {
namespace {

constexpr int32_t DefaultWidth = 600;

int32_t WidthOf(const std::optional<std::string>& text) {
    if (!text) return DefaultWidth;
    int32_t width = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), width);
    if (error != std::errc() || end != text->data() + text->size() || width <= 0)
        throw EUsageError("--width needs a positive number of pixels");
    return width;
}

int32_t LayOutWithFixedMetrics(TSectionList& document, int32_t width, int32_t& maxWidth) {
    TFixedCanvas canvas;
    int32_t curs = 0;
    return document.LayoutDocument(canvas, 0, width, maxWidth, curs);
}

#ifdef CODELUME_VIEWER
// Real fonts need the application object the other commands use too.
int32_t LayOutWithRealFonts(TSectionList& document, int32_t width, int32_t& maxWidth) {
    std::unique_ptr<QApplication> application = EnsureApplication();
    TFontCache fonts(96);
    TScreenCanvas canvas(fonts);
    int32_t curs = 0;
    return document.LayoutDocument(canvas, 0, width, maxWidth, curs);
}
#else
// Built without Qt: the fixed metrics stand in for the real fonts.
int32_t LayOutWithRealFonts(TSectionList& document, int32_t width, int32_t& maxWidth) {
    return LayOutWithFixedMetrics(document, width, maxWidth);
}
#endif

}  // namespace

int DumpCommand(TCommandArguments arguments) {
    TArguments parsed(
        arguments, {{"--width", TOptionKind::okValue}, {"--fixed-metrics", TOptionKind::okFlag}});
    if (parsed.Positionals().size() != 1) throw EUsageError("dump needs exactly one file");
    int32_t width = WidthOf(parsed.Value("--width"));
    // A fresh document carries the viewer's defaults: Times New Roman, Courier New, 12 points.
    TSectionList document;
    TAnchorIndex anchors;
    document.OnLayoutError = [](const std::string& message) { ReportWarning(message); };
    TReadResult read = ParseDocumentFile(document, anchors, parsed.Positionals()[0]);
    int32_t maxWidth = 0;
    int32_t height = parsed.Has("--fixed-metrics")
                         ? LayOutWithFixedMetrics(document, width, maxWidth)
                         : LayOutWithRealFonts(document, width, maxWidth);
    std::string dump = DumpDocument(document, anchors, read.Title, height, maxWidth);
    WriteStandardOutput(dump);
    return 0;
}

}  // namespace codelume
