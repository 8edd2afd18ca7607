// The printing seam: the spooler's document and page calls, the device's
// capabilities, and the canvas that draws on the page being produced.
#pragma once

#include <optional>
#include <string>

#include "canvas/Canvas.h"

namespace codelume {

// One printer (or print file). Sizes and offsets are in device pixels.
class TPrintDevice {
public:
    virtual ~TPrintDevice() = default;

    virtual void StartDoc(const std::string& title) = 0;
    virtual void StartPage() = 0;
    virtual void EndPage() = 0;
    virtual void EndDoc() = 0;
    // Throws the job away; the page and document calls that follow are no-ops.
    virtual void AbortDoc() = 0;

    // The width and height of the part of the sheet the device can print on.
    virtual TSize PrintableSize() const = 0;
    // How many device pixels make an inch, across the sheet and down it.
    virtual TSize Resolution() const = 0;
    // The width and height of the whole sheet, margins the device cannot print
    // on included; none when the device cannot tell.
    virtual std::optional<TSize> PhysicalPage() const = 0;
    // How far the printable part lies from the sheet's top-left corner, across
    // and down; none when the device cannot tell.
    virtual std::optional<TPoint> PrintingOffset() const = 0;

    // Draws on the current page. A clip set while the mapping is the identity
    // (LogicalPpi equal to the device's resolution, origin 0) is in device
    // pixels and stays where it is when the mapping changes afterwards.
    virtual TCanvas& Canvas() = 0;
};

}  // namespace codelume
