#include "viewer/PageRender.h"

#include <QApplication>
#include <QBuffer>
#include <QPixmap>
#include <filesystem>
#include <memory>

#include "base/Arith.h"
#include "base/Stream.h"
#include "viewer/PageViewer.h"

namespace codelume {

namespace {

// A command-line program has no application object yet: it gets one on
// Qt's offscreen platform unless the caller chose a platform.
std::unique_ptr<QApplication> EnsureApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "codelume-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

QByteArray Shot(const TRenderRequest& request) {
    TPageViewer viewer;
    viewer.resize(request.Width, request.Height);
    viewer.show();
    viewer.LoadFromFile(request.Source);
    viewer.ScrollToY(request.ScrollY);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    viewer.grab().save(&buffer, "PNG");
    return png;
}

}  // namespace

void RenderPage(const TRenderRequest& request) {
    std::unique_ptr<QApplication> application = EnsureApplication();
    QByteArray png = Shot(request);
    if (png.isEmpty()) throw EFCreateError(request.Output);
    TFileStream file(request.Output, TFileStream::TMode::fmCreate);
    try {
        file.WriteBuffer(png.constData(), CheckedNarrow(png.size()));
        file.Close();
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(request.Output, ignored);
        throw;
    }
}

}  // namespace codelume
