#include "document/SectionList.h"
#include "print/DocumentPrinter.h"
#include "qt/QtPrintDevice.h"
#include "viewer/PageViewer.h"
#include "viewer/ViewerScopes.h"

namespace codelume {

TPrintSettings TPageViewer::PrintSettings() const {
    return TPrintSettings{
        TPrintMargins{PrintMarginLeft, PrintMarginRight, PrintMarginTop, PrintMarginBottom},
        FPageTitle, OnPrintHeader, OnPrintFooter};
}

void TPageViewer::Print(int32_t firstPage, int32_t lastPage) {
    std::unique_ptr<TQtPrintDevice> printer =
        TQtPrintDevice::DefaultPrinter(MeasuringCanvas().PixelsPerInch());
    PrintOn(*printer, firstPage, lastPage);
}

void TPageViewer::Print(std::unique_ptr<QPrinter> printer, int32_t firstPage, int32_t lastPage) {
    std::unique_ptr<TQtPrintDevice> device =
        TQtPrintDevice::Chosen(std::move(printer), MeasuringCanvas().PixelsPerInch());
    PrintOn(*device, firstPage, lastPage);
}

bool TPageViewer::HasPrintableDocument() const { return !FBusy && !FDocument->Blocks.IsEmpty(); }

// A load or a layout in progress leaves nothing consistent to print. The job
// keeps the viewer busy in turn: events run between pages, and a load then
// would free form controls that the print copy still shares. A refused job
// leaves the running job's page counter alone. Of a frame set, the frame with
// the focus is printed, or the first one.
void TPageViewer::PrintOn(TPrintDevice& device, int32_t firstPage, int32_t lastPage) {
    RaiseIfBusy();
    TPageViewer& shown = PrintedViewer();
    shown.RaiseIfBusy();
    FPageCounter = 0;
    TBusyScope busy(*this);
    TBusyScope shownBusy(shown);
    PrintDocument(*shown.FDocument, PrintSettings(), device, firstPage, lastPage, FPageCounter);
}

}  // namespace codelume
