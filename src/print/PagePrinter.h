// A print job on a print device: the document and its pages, the job's name,
// and the canvas that draws on the current page only while a job runs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "canvas/PrintDevice.h"
#include "canvas/PrinterError.h"
#include "print/PrinterCanvas.h"

namespace codelume {

// Runs one job on a borrowed device. Without a device no printer is selected,
// and every question to the printer fails as an invalid selection.
class TPagePrinter {
public:
    explicit TPagePrinter(TPrintDevice* device = nullptr);
    ~TPagePrinter();
    TPagePrinter(const TPagePrinter&) = delete;
    TPagePrinter& operator=(const TPagePrinter&) = delete;

    void StartJob();
    void NextPage();
    void FinishJob();
    void CancelJob();

    int32_t PrintableWidth() const;
    int32_t PrintableHeight() const;
    // The selected device; raises when no printer is selected.
    TPrintDevice& Device() const;
    TPrinterCanvas& Canvas() { return FCanvas; }

    bool Printing() const { return FPrinting; }
    bool Aborted() const { return FAborted; }
    int32_t PageNumber() const { return FPageNumber; }
    // Raises "Printer is not currently printing" outside a job.
    void RequirePrinting() const;

    std::string JobTitle;

    // Job names are cut to this many characters.
    static constexpr size_t MaxTitleLength = 31;

private:
    TPrintDevice* FDevice;
    TPrinterCanvas FCanvas;
    bool FPrinting = false;
    bool FAborted = false;
    int32_t FPageNumber = 0;
};

// The process-wide printer object, created without a device on first use.
TPagePrinter& CurrentPrinter();
// Makes printer current and hands back the previous one (possibly empty).
std::unique_ptr<TPagePrinter> ReplaceCurrentPrinter(std::unique_ptr<TPagePrinter> printer);

}  // namespace codelume
