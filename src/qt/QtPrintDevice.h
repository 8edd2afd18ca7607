// A print device over a QPrinter: the print system's default printer, or a
// PDF file. Owns the printer, the fonts at the logical resolution and, during
// a job, the painter and its canvas; a PDF job also owns its output file and
// the PDF writer that fills it.
#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <memory>
#include <string>

#include "base/OutputFile.h"
#include "canvas/PrintDevice.h"
#include "qt/ScreenCanvas.h"

namespace codelume {

// The canvas over the printer's painter. Text that lies wholly inside its clip
// is drawn unclipped: each clip costs the PDF engine a saved state and a path.
class TPageCanvas : public TScreenCanvas {
public:
    using TScreenCanvas::TScreenCanvas;
    void TextOut(const TFont& font, int32_t x, int32_t baseline, std::string_view bytes,
                 TColor color, std::optional<TColor> background,
                 std::optional<TRect> clip) override;
};

class TQtPrintDevice : public TPrintDevice {
public:
    // The print system's default printer; the first question to it raises when
    // there is none. The canvas measures fonts at logicalPpi, the resolution
    // documents are laid out in.
    static std::unique_ptr<TQtPrintDevice> DefaultPrinter(int32_t logicalPpi);
    // A PDF file of A4 sheets at dpi dots per inch, printable to the edges. The
    // file appears at path only when a job ends with every byte written; a
    // failed or cancelled job leaves a file there as it was.
    static std::unique_ptr<TQtPrintDevice> PdfFile(const std::string& path, int32_t dpi,
                                                   int32_t logicalPpi);
    // A printer as the print dialog set it up; a PDF file it names appears as
    // PdfFile's does, only when the job ends.
    static std::unique_ptr<TQtPrintDevice> Chosen(std::unique_ptr<QPrinter> printer,
                                                  int32_t logicalPpi);
    ~TQtPrintDevice() override;

    void StartDoc(const std::string& title) override;
    void StartPage() override;
    void EndPage() override {}
    void EndDoc() override;
    void AbortDoc() override;

    TSize PrintableSize() const override;
    TSize Resolution() const override;
    std::optional<TSize> PhysicalPage() const override;
    std::optional<TPoint> PrintingOffset() const override;
    // Outside a job the canvas only measures.
    TCanvas& Canvas() override;

    // The pages of the last job that ended; 0 when it was cancelled.
    int32_t PagesWritten() const { return FPagesWritten; }

private:
    TQtPrintDevice(std::unique_ptr<QPrinter> printer, std::string pdfPath, int32_t logicalPpi);
    class TOutputDevice;

    QPrinter& Printer() const;
    // What the painter draws on: the PDF writer of a file job, else the printer.
    QPagedPaintDevice& Target();
    void OpenPdfFile(const std::string& path);
    void CommitPdfFile();
    // Ends the painter, leaving a canvas that only measures.
    bool EndPainter();
    // Ends the painter and throws the output away.
    void Discard();

    mutable std::unique_ptr<QPrinter> FPrinter;  // none until the default printer is needed
    std::string PdfPath;                         // empty for a printer
    TFontCache Fonts;                            // at the resolution documents are laid out in
    std::unique_ptr<TScreenCanvas> Surface;      // measures only outside a job
    // A PDF job writes through its own checked device into an output file, so
    // no write failure of the PDF engine goes unseen.
    std::unique_ptr<TOutputFile> Output;
    std::unique_ptr<TOutputDevice> Device;
    std::unique_ptr<QPdfWriter> Writer;
    std::unique_ptr<QPainter> Painter;
    int32_t PagesStarted = 0;
    int32_t FPagesWritten = 0;
};

}  // namespace codelume
