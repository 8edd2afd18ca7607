#include "viewer/PageRender.h"

#include <QBuffer>
#include <QPixmap>
#include <filesystem>
#include <memory>

#include "base/Arith.h"
#include "base/Stream.h"
#include "viewer/OffscreenApplication.h"
#include "viewer/PageViewer.h"

namespace codelume {

namespace {

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
