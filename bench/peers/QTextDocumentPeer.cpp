// The yardstick of the whole-process comparisons: Qt's own rich-text document
// showing or printing a page, as a small program of Qt would.
//   qtextdocument_peer render PAGE OUT.png   the last 800x600 screen
//   qtextdocument_peer print PAGE OUT.pdf    A4 at 600 dpi, 2 cm margins
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <cstdio>
#include <cstring>

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

QString PageText(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll());
}

bool Render(QTextDocument& document, const char* output) {
    document.setTextWidth(Width);
    qreal top = std::max<qreal>(0, document.size().height() - Height);
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(0, -top);
    document.drawContents(&painter, QRectF(0, top, Width, Height));
    painter.end();
    return image.save(QString::fromLocal8Bit(output), "PNG");
}

bool Print(QTextDocument& document, const char* output) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(output));
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    document.print(&printer);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: qtextdocument_peer render|print PAGE OUTPUT\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextDocument document;
    document.setHtml(PageText(argv[2]));
    bool done =
        std::strcmp(argv[1], "print") == 0 ? Print(document, argv[3]) : Render(document, argv[3]);
    return done ? 0 : 1;
}
