#include "viewer/PageRender.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <memory>

#include "base/Arith.h"
#include "base/OutputFile.h"
#include "viewer/OffscreenApplication.h"
#include "viewer/PageViewer.h"

namespace codelume {

namespace {

QByteArray Shot(const TRenderRequest& request, const std::string& format) {
    TPageViewer viewer;
    viewer.OnErrorMessage = request.OnWarning;
    viewer.resize(request.Width, request.Height);
    viewer.SetViewImages(true);  // a picture of the page shows the page's pictures
    viewer.show();
    viewer.LoadFromFile(request.Source);
    viewer.ScrollToY(request.ScrollY);
    QByteArray picture;
    QBuffer buffer(&picture);
    buffer.open(QIODevice::WriteOnly);
    viewer.grab().save(&buffer, format.c_str());
    return picture;
}

}  // namespace

std::optional<std::string> PictureFormatOf(const std::string& path) {
    QByteArray extension =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).suffix().toLower().toLatin1();
    if (extension.isEmpty() || !QImageWriter::supportedImageFormats().contains(extension))
        return std::nullopt;
    return extension.toStdString();
}

std::string WritablePictureFormats() {
    return QImageWriter::supportedImageFormats().join(", ").toStdString();
}

void RenderPage(const TRenderRequest& request) {
    std::unique_ptr<QApplication> application = EnsureApplication();
    std::optional<std::string> format = PictureFormatOf(request.Output);
    if (!format) throw ECodelumeError("No picture format is named " + request.Output);
    TOutputFile file(request.Output, TOverwrite::owReplace);
    RefuseSourceAsDestination(request.Source, request.Output);
    QByteArray picture = Shot(request, *format);
    if (picture.isEmpty()) throw EFCreateError(request.Output, "the picture could not be encoded");
    file.Stream().WriteBuffer(picture.constData(), CheckedNarrow(picture.size()));
    file.Commit();
}

}  // namespace codelume
