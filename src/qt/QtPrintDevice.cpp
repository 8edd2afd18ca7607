#include "qt/QtPrintDevice.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QPrinterInfo>
#include <exception>

#include "base/Arith.h"
#include "canvas/PrinterError.h"

namespace codelume {

namespace {

TSize ToSize(const QRectF& rect) { return TSize{qRound(rect.width()), qRound(rect.height())}; }

}  // namespace

// Hands the PDF engine's bytes to the output file. The engine ignores what its
// writes return, so the first failure is kept and raised when the job ends.
class TQtPrintDevice::TOutputDevice : public QIODevice {
public:
    explicit TOutputDevice(TStream& file) : File(file) { open(QIODevice::WriteOnly); }
    void RaiseFailure() const {
        if (Failure) std::rethrow_exception(Failure);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    TStream& File;
    std::exception_ptr Failure;
};

qint64 TQtPrintDevice::TOutputDevice::writeData(const char* data, qint64 length) {
    if (Failure) return -1;
    try {
        for (qint64 done = 0; done < length;) {
            int32_t chunk = static_cast<int32_t>(std::min<qint64>(length - done, INT32_MAX));
            File.WriteBuffer(data + done, chunk);
            done += chunk;
        }
    } catch (const std::exception&) {
        Failure = std::current_exception();
        return -1;
    }
    return length;
}

void TPageCanvas::TextOut(const TFont& font, int32_t x, int32_t baseline, std::string_view bytes,
                          TColor color, std::optional<TColor> background,
                          std::optional<TRect> clip) {
    if (clip) {
        TTextMetrics metrics = TextMetrics(font);
        int32_t right = CheckedAdd(x, TextExtent(font, bytes));
        if (x >= clip->Left && right <= clip->Right && baseline - metrics.Ascent >= clip->Top &&
            baseline + metrics.Descent <= clip->Bottom)
            clip.reset();
    }
    TScreenCanvas::TextOut(font, x, baseline, bytes, color, background, clip);
}

TQtPrintDevice::TQtPrintDevice(std::unique_ptr<QPrinter> printer, std::string pdfPath,
                               int32_t logicalPpi)
    : FPrinter(std::move(printer)),
      PdfPath(std::move(pdfPath)),
      Fonts(logicalPpi),
      Surface(std::make_unique<TScreenCanvas>(Fonts)) {}

TQtPrintDevice::~TQtPrintDevice() {
    if (Painter) Discard();
}

std::unique_ptr<TQtPrintDevice> TQtPrintDevice::DefaultPrinter(int32_t logicalPpi) {
    return std::unique_ptr<TQtPrintDevice>(new TQtPrintDevice(nullptr, {}, logicalPpi));
}

// The default printer is looked up when it is first needed, so a job that
// never starts asks nothing of the print system.
QPrinter& TQtPrintDevice::Printer() const {
    if (FPrinter) return *FPrinter;
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw EPrinter(SNoDefaultPrinter);
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) throw EPrinter(SInvalidPrinter);
    FPrinter = std::move(printer);
    return *FPrinter;
}

std::unique_ptr<TQtPrintDevice> TQtPrintDevice::PdfFile(const std::string& path, int32_t dpi,
                                                        int32_t logicalPpi) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(dpi);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    return std::unique_ptr<TQtPrintDevice>(
        new TQtPrintDevice(std::move(printer), path, logicalPpi));
}

std::unique_ptr<TQtPrintDevice> TQtPrintDevice::Chosen(std::unique_ptr<QPrinter> printer,
                                                       int32_t logicalPpi) {
    std::string pdfPath;
    if (printer->outputFormat() == QPrinter::PdfFormat)
        pdfPath = QFile::encodeName(printer->outputFileName()).toStdString();
    return std::unique_ptr<TQtPrintDevice>(
        new TQtPrintDevice(std::move(printer), pdfPath, logicalPpi));
}

QPagedPaintDevice& TQtPrintDevice::Target() {
    if (Writer) return *Writer;
    return Printer();
}

void TQtPrintDevice::OpenPdfFile(const std::string& path) {
    Output = std::make_unique<TOutputFile>(path, TOverwrite::owReplace);
    Device = std::make_unique<TOutputDevice>(Output->Stream());
    Writer = std::make_unique<QPdfWriter>(Device.get());
    Writer->setResolution(Printer().resolution());
    Writer->setPageLayout(Printer().pageLayout());
    Writer->setTitle(Printer().docName());
    Writer->setCreator(Printer().creator());
}

void TQtPrintDevice::StartDoc(const std::string& title) {
    Printer().setDocName(DecodeBytes(title));
    if (!PdfPath.empty()) OpenPdfFile(PdfPath);
    Painter = std::make_unique<QPainter>();
    if (!Painter->begin(&Target())) {
        Discard();
        if (!PdfPath.empty()) throw EFCreateError(PdfPath, "the PDF writer could not start");
        throw EPrinter(SInvalidPrinter);
    }
    Surface = std::make_unique<TPageCanvas>(*Painter, Fonts);
    PagesStarted = 0;
    FPagesWritten = 0;
}

void TQtPrintDevice::StartPage() {
    // Pending window events get through between pages, so a long job keeps the window alive.
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
    if (!Painter) return;
    if (PagesStarted > 0) Target().newPage();
    PagesStarted = CheckedAdd(PagesStarted, 1);
}

bool TQtPrintDevice::EndPainter() {
    Surface = std::make_unique<TScreenCanvas>(Fonts);
    bool ended = !Painter || Painter->end();
    Painter.reset();
    return ended;
}

void TQtPrintDevice::EndDoc() {
    if (!Painter) return;
    if (!EndPainter()) {
        Discard();
        if (!PdfPath.empty()) throw EWriteError(PdfPath, "the PDF writer failed");
        throw EPrinter(SInvalidPrinter);
    }
    if (Output) CommitPdfFile();
    FPagesWritten = PagesStarted;
}

// The writer is gone before the file is checked, so every byte has reached it.
void TQtPrintDevice::CommitPdfFile() {
    Writer.reset();
    std::unique_ptr<TOutputDevice> device = std::move(Device);
    std::unique_ptr<TOutputFile> output = std::move(Output);
    device->RaiseFailure();
    output->Commit();
}

void TQtPrintDevice::AbortDoc() {
    if (!Painter) return;
    if (!Output) Printer().abort();
    Discard();
}

void TQtPrintDevice::Discard() {
    EndPainter();
    Writer.reset();
    Device.reset();
    Output.reset();
    FPagesWritten = 0;
}

TSize TQtPrintDevice::PrintableSize() const {
    return ToSize(Printer().pageRect(QPrinter::DevicePixel));
}

TSize TQtPrintDevice::Resolution() const {
    return TSize{Printer().logicalDpiX(), Printer().logicalDpiY()};
}

std::optional<TSize> TQtPrintDevice::PhysicalPage() const {
    return ToSize(Printer().paperRect(QPrinter::DevicePixel));
}

// The printable area's corner on the sheet; the painter's origin is there.
std::optional<TPoint> TQtPrintDevice::PrintingOffset() const {
    QRectF page = Printer().pageRect(QPrinter::DevicePixel);
    QRectF paper = Printer().paperRect(QPrinter::DevicePixel);
    return TPoint{qRound(page.left() - paper.left()), qRound(page.top() - paper.top())};
}

TCanvas& TQtPrintDevice::Canvas() { return *Surface; }

}  // namespace codelume
