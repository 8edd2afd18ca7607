// Prints a document page by page: lays out a white copy of it at the width
// of the paper between the margins and cuts the copy into page bands.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "canvas/PrintDevice.h"
#include "document/SectionList.h"
#include "print/PageGeometry.h"

namespace codelume {

// Offered one page margin: the canvas, the page number (counted from 1 over
// the whole document), the margin's width and height in screen pixels. Setting
// stopPrinting ends printing after this page.
using TPagePrinted =
    std::function<void(TCanvas& canvas, int32_t numPage, int32_t w, int32_t h, bool& stopPrinting)>;

// What printing takes from the viewer besides its document.
struct TPrintSettings {
    TPrintMargins Margins;
    std::string Title;  // names the job
    TPagePrinted OnPrintHeader;
    TPagePrinted OnPrintFooter;
};

// Prints pages firstPage to lastPage of document on device; nothing for a
// document without blocks. The document is laid out in pixels of the
// resolution the device's canvas measures at (the screen's). pageCounter is the caller's page
// counter: 0 at the start, then the number of the page being processed. The job is finished, or
// cancelled when no page was printed, also when an error interrupts it.
void PrintDocument(const TSectionList& document, const TPrintSettings& settings,
                   TPrintDevice& device, int32_t firstPage, int32_t lastPage, int32_t& pageCounter);

}  // namespace codelume
