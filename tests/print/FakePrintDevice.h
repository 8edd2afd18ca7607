// A print device that records its document and page calls and draws on a
// fixed-metrics canvas, keeping each page's draw calls. Its capabilities are fields the tests set.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "canvas/FixedCanvas.h"
#include "canvas/PrintDevice.h"

namespace codelume {

class TFakePrintDevice : public TPrintDevice {
public:
    void StartDoc(const std::string& title) override { Calls.push_back("StartDoc " + title); }
    void StartPage() override { Calls.push_back("StartPage"); }
    void EndPage() override {
        Calls.push_back("EndPage");
        PageDraws.push_back(Surface.Calls());
        Surface.ClearCalls();
    }
    void EndDoc() override { Calls.push_back("EndDoc"); }
    void AbortDoc() override { Calls.push_back("AbortDoc"); }

    TSize PrintableSize() const override { return Printable; }
    TSize Resolution() const override { return Dpi; }
    std::optional<TSize> PhysicalPage() const override { return Paper; }
    std::optional<TPoint> PrintingOffset() const override { return Offset; }
    TCanvas& Canvas() override { return Surface; }

    // An A4 sheet at 600 dots per inch that can be printed to its edges.
    TSize Printable{4961, 7016};
    TSize Dpi{600, 600};
    std::optional<TSize> Paper = TSize{4961, 7016};
    std::optional<TPoint> Offset = TPoint{0, 0};

    std::vector<std::string> Calls;
    // What was drawn on each page, kept when the page ends.
    std::vector<std::vector<std::string>> PageDraws;
    TFixedCanvas Surface;
};

}  // namespace codelume
