#include "print/DocumentPrinter.h"

#include <algorithm>
#include <memory>

#include "base/Arith.h"
#include "print/PagePrinter.h"

namespace codelume {

namespace {

// Makes a new printer object on the device current for one job, and makes
// the previous one current again afterwards, freeing the new one.
class TCurrentPrinterScope {
public:
    explicit TCurrentPrinterScope(TPrintDevice& device)
        : Previous(ReplaceCurrentPrinter(std::make_unique<TPagePrinter>(&device))) {}
    ~TCurrentPrinterScope() { ReplaceCurrentPrinter(std::move(Previous)); }
    TCurrentPrinterScope(const TCurrentPrinterScope&) = delete;
    TCurrentPrinterScope& operator=(const TCurrentPrinterScope&) = delete;

private:
    std::unique_ptr<TPagePrinter> Previous;
};

// The lowest bottom of any run of blocks from the first, summed as
// TCell::BlockAt sums them, so that a Y at or below it holds no block.
int64_t BlocksEnd(const TCell& cell) {
    int64_t bottom = 0, end = 0;
    for (const auto& block : cell.Blocks) {
        bottom += block->BlockHeight;
        end = std::max(end, bottom);
    }
    return end;
}

// One run of the page loop over the laid-out print copy.
class TPageLoop {
public:
    TPageLoop(TSectionList& copy, const TPrintSettings& settings, TPagePrinter& printer,
              int32_t& pageCounter)
        : Copy(copy),
          Settings(settings),
          Printer(printer),
          Canvas(printer.Canvas()),
          PageCounter(pageCounter) {}

    void LayOut();
    void PrintPages(int32_t firstPage, int32_t lastPage);

private:
    int32_t LayOutAt(int32_t width);
    void SelectPage(int32_t y);
    void SetOrigin(int32_t originY);
    bool PrintMargins(int32_t y);
    int32_t NextPageTop(int32_t y) const;

    TSectionList& Copy;
    // The lowest bottom the copy's blocks reach: no page starts at or below it.
    int64_t DocumentEnd = 0;
    const TPrintSettings& Settings;
    TPagePrinter& Printer;
    TCanvas& Canvas;
    int32_t& PageCounter;
    TPageGeometry Page;
};

// A document still wider than the paper when laid out at its width (a wide
// table or picture) is laid out again at the width it needs and printed
// smaller: more screen pixels to the inch, until it fits between the margins.
void TPageLoop::LayOut() {
    Page = MeasurePage(Printer.Device(), Settings.Margins, Canvas.PixelsPerInch());
    int32_t contentWidth = LayOutAt(Page.WidthScr);
    if (contentWidth > Page.WidthScr) {
        contentWidth = std::max(LayOutAt(contentWidth), contentWidth);
        for (int32_t ppi = PpiToFit(contentWidth, Page.WidthPrn, Page.DpiX);
             Page.WidthScr < contentWidth; ++ppi)
            Page = MeasurePage(Printer.Device(), Settings.Margins, ppi);
    }
    DocumentEnd = BlocksEnd(Copy);
}

// Returns the width the laid-out document takes.
int32_t TPageLoop::LayOutAt(int32_t width) {
    SetOrigin(0);
    int32_t contentWidth = 0;
    int32_t curs = 0;
    Copy.LayoutDocument(Canvas, 0, width, contentWidth, curs);
    return contentWidth;
}

// One drawing unit is one screen pixel, scaled to the printer's resolution,
// with document position originY + TopScr on the top margin's edge.
void TPageLoop::SetOrigin(int32_t originY) {
    Canvas.SetMapping(TMapping{Page.Ppi, Page.DpiX, Page.DpiY, TPoint{0, originY}});
}

// The clip is given in printer pixels, so it is set under an identity mapping.
void TPageLoop::SelectPage(int32_t y) {
    Canvas.SetMapping(TMapping{1, 1, 1, TPoint{0, 0}});
    Canvas.SetClip(PageClip(Page));
    SetOrigin(CheckedSub(y, Page.TopScr));
}

// Blanks what was drawn below the page cut and in the top margin, then offers
// the margins to the callbacks. Returns whether a callback stopped printing.
bool TPageLoop::PrintMargins(int32_t y) {
    if (!Settings.OnPrintHeader && !Settings.OnPrintFooter) return false;
    int32_t right = CheckedAdd(Page.LeftScr, Page.WidthScr);
    int32_t textBottom = CheckedAdd(Page.TopScr, Page.HeightScr);
    Canvas.ResetClip();
    Canvas.FillRect(TRect{Page.LeftScr, Copy.PageCut, right, CheckedAdd(y, Page.HeightScr)},
                    clWhite);
    Canvas.FillRect(TRect{Page.LeftScr, CheckedSub(y, Page.TopScr), right, y - 1}, clWhite);
    bool stopPrinting = false;
    if (Settings.OnPrintHeader) {
        SetOrigin(0);
        Settings.OnPrintHeader(Canvas, PageCounter, Page.PageWidthScr, Page.TopScr, stopPrinting);
    }
    if (Settings.OnPrintFooter) {
        SetOrigin(-textBottom);
        Settings.OnPrintFooter(Canvas, PageCounter, Page.PageWidthScr,
                               CheckedSub(Page.PageHeightScr, textBottom), stopPrinting);
    }
    return stopPrinting;
}

// The next page starts at the cut painting reported. A cut that does not move
// down would print the same band forever, so the band's height is taken then.
int32_t TPageLoop::NextPageTop(int32_t y) const {
    return Copy.PageCut > y ? Copy.PageCut : CheckedAdd(y, Page.HeightScr);
}

void TPageLoop::PrintPages(int32_t firstPage, int32_t lastPage) {
    int32_t y = 0;
    bool done = false;
    while (PageCounter <= lastPage && !done) {
        TRect band{Page.LeftScr, y, CheckedAdd(Page.LeftScr, Page.WidthScr),
                   CheckedAdd(y, Page.HeightScr)};
        SelectPage(y);
        if (PageCounter < firstPage) {
            // Drawn beside the page, outside the clip, only to find where the page ends.
            int32_t offPage = CheckedAdd(CheckedMul(3, Page.WidthScr), Page.LeftScr);
            Copy.PaintDocument(Canvas, band, Page.WidthScr, offPage, 0);
        } else {
            Copy.PaintDocument(Canvas, band, Page.WidthScr, Page.LeftScr, 0);
            done = PrintMargins(y);
        }
        y = NextPageTop(y);
        if (y >= DocumentEnd) done = true;
        if (!done && firstPage <= PageCounter && PageCounter < lastPage) Printer.NextPage();
        PageCounter = CheckedAdd(PageCounter, 1);
    }
}

// A job in which no page reached firstPage printed nothing and is thrown away.
void EndJob(TPagePrinter& printer, int32_t pageCounter, int32_t firstPage) {
    if (!printer.Printing()) return;
    if (pageCounter <= firstPage)
        printer.CancelJob();
    else
        printer.FinishJob();
}

}  // namespace

void PrintDocument(const TSectionList& document, const TPrintSettings& settings,
                   TPrintDevice& device, int32_t firstPage, int32_t lastPage,
                   int32_t& pageCounter) {
    pageCounter = 0;
    if (document.Blocks.IsEmpty()) return;
    TSectionList copy(document);
    copy.SetScrollY(0);
    copy.ForPrinter = true;
    copy.SetPageColor(clWhite);
    TCurrentPrinterScope scope(device);
    TPagePrinter& printer = CurrentPrinter();
    pageCounter = 1;
    printer.JobTitle = settings.Title;
    try {
        printer.StartJob();
        TPageLoop loop(copy, settings, printer, pageCounter);
        loop.LayOut();
        loop.PrintPages(firstPage, lastPage);
    } catch (...) {
        EndJob(printer, pageCounter, firstPage);
        throw;
    }
    EndJob(printer, pageCounter, firstPage);
}

}  // namespace codelume
