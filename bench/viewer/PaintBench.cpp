// Paints the viewer's visible band of the converter's page of a 50,000-line
// unit at the top, the middle and the end, scrolls through it by pages and by
// lines, and paints the same bands with QTextDocument for comparison.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTextDocument>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fstream>

#include "HtmlCorpus.h"
#include "support/TempDir.h"
#include "viewer/32ScrollBar.h"
#include "viewer/PageViewer.h"
#include "viewer/PaintPanel.h"

namespace {

using namespace codelume;

constexpr int Repeats = 20;

// Processor time in milliseconds, so that other work on the machine does not count.
double CpuMs() { return static_cast<double>(std::clock()) * 1000 / CLOCKS_PER_SEC; }

// The fastest of a number of runs.
template <typename TWork>
double FastestMs(TWork work) {
    double best = 1e9;
    for (int i = 0; i < Repeats; ++i) {
        double start = CpuMs();
        work();
        best = std::min(best, CpuMs() - start);
    }
    return best;
}

// The average of one key press and the painting it causes (the exposed
// strip and the scroll bar), over count presses.
double KeyMs(TPageViewer& viewer, Qt::Key key, int count) {
    double start = CpuMs();
    for (int i = 0; i < count; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&viewer, &press);
        QApplication::processEvents();
    }
    return (CpuMs() - start) / count;
}

void PaintViewer(const std::string& path, int32_t& height) {
    TPageViewer viewer;
    viewer.resize(800, 600);
    viewer.show();
    while (!viewer.windowHandle()->isExposed()) QApplication::processEvents();
    double start = CpuMs();
    viewer.LoadFromFile(path);
    std::printf("load and lay out the page            %9.1f ms\n", CpuMs() - start);
    height = viewer.ContentHeight();
    for (auto [name, y] :
         {std::pair{"top", 0}, std::pair{"middle", height / 2}, std::pair{"end", height}}) {
        viewer.ScrollToY(y);
        std::printf("viewer: paint the band at the %-6s %9.3f ms\n", name,
                    FastestMs([&] { viewer.Panel().repaint(); }));
    }
    viewer.ScrollToY(0);
    int pages = height / viewer.VScrollBar().LargeChange();
    std::printf("viewer: Page Down and repaint        %9.3f ms a page (%d pages)\n",
                KeyMs(viewer, Qt::Key_PageDown, pages), pages);
    viewer.ScrollToY(0);
    std::printf("viewer: Down (one line) and repaint  %9.3f ms a line\n",
                KeyMs(viewer, Qt::Key_Down, 2000));
}

void PaintTextDocument(const std::string& page, int32_t height) {
    QTextDocument document;
    document.setHtml(QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size())));
    document.setTextWidth(766);
    double docHeight = document.documentLayout()->documentSize().height();
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto [name, y] : {std::pair{"top", 0.0}, std::pair{"middle", docHeight / 2},
                           std::pair{"end", docHeight - 600}}) {
        std::printf("QTextDocument: band at the %-6s    %9.3f ms\n", name, FastestMs([&] {
                        QPainter painter(&image);
                        painter.fillRect(image.rect(), Qt::white);
                        painter.translate(10, -y);
                        document.drawContents(&painter, QRectF(0, y, 790, 600));
                    }));
    }
    std::printf("(heights: viewer %d px, QTextDocument %.0f px)\n", height, docHeight);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::string page = ConvertedPage(50000);
    int32_t height = 0;
    {
        TTempDir scratch;
        std::string path = scratch.File("page.htm");
        std::ofstream(path, std::ios::binary) << page;
        PaintViewer(path, height);
    }
    PaintTextDocument(page, height);
    return 0;
}
