#include "print/PagePrinter.h"

#include "base/Arith.h"

namespace codelume {

namespace {

[[noreturn]] void RaiseError(const char* message) { throw EPrinter(message); }

std::unique_ptr<TPagePrinter>& CurrentSlot() {
    // Freed at exit, whichever object is current then.
    static std::unique_ptr<TPagePrinter> current;
    return current;
}

}  // namespace

TPagePrinter::TPagePrinter(TPrintDevice* device) : FDevice(device), FCanvas(*this) {}

TPagePrinter::~TPagePrinter() {
    if (!FPrinting) return;
    // A destructor cannot report a failing device; the job is ended as far as it can be.
    try {
        FinishJob();
    } catch (const std::exception&) {
    }
}

TPrintDevice& TPagePrinter::Device() const {
    if (FDevice == nullptr) RaiseError(SInvalidPrinter);
    return *FDevice;
}

void TPagePrinter::RequirePrinting() const {
    if (!FPrinting) RaiseError(SNotPrinting);
}

void TPagePrinter::StartJob() {
    if (FPrinting) RaiseError(SPrinting);
    TPrintDevice& device = Device();
    device.StartDoc(JobTitle.substr(0, MaxTitleLength));
    FPrinting = true;
    FAborted = false;
    FPageNumber = 1;
    device.StartPage();
}

void TPagePrinter::NextPage() {
    RequirePrinting();
    FDevice->EndPage();
    FDevice->StartPage();
    FPageNumber = CheckedAdd(FPageNumber, 1);
}

void TPagePrinter::FinishJob() {
    RequirePrinting();
    // The state is cleared even when the device fails to end the document.
    bool aborted = FAborted;
    FPrinting = false;
    FAborted = false;
    FPageNumber = 0;
    FDevice->EndPage();
    if (!aborted) FDevice->EndDoc();
}

void TPagePrinter::CancelJob() {
    RequirePrinting();
    FDevice->AbortDoc();
    FAborted = true;
    FinishJob();
}

int32_t TPagePrinter::PrintableWidth() const { return Device().PrintableSize().Width; }

int32_t TPagePrinter::PrintableHeight() const { return Device().PrintableSize().Height; }

TPagePrinter& CurrentPrinter() {
    std::unique_ptr<TPagePrinter>& current = CurrentSlot();
    if (!current) current = std::make_unique<TPagePrinter>();
    return *current;
}

std::unique_ptr<TPagePrinter> ReplaceCurrentPrinter(std::unique_ptr<TPagePrinter> printer) {
    std::unique_ptr<TPagePrinter> previous = std::move(CurrentSlot());
    CurrentSlot() = std::move(printer);
    return previous;
}

}  // namespace codelume
