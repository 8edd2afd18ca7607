// Renders an HTML file the way a viewer of a given size shows it, border and
// scroll bars included, into a PNG file. Runs without a display.
#pragma once

#include <cstdint>
#include <string>

namespace codelume {

struct TRenderRequest {
    std::string Source;
    std::string Output;
    int32_t Width = 800;
    int32_t Height = 600;
    int32_t ScrollY = 0;
};

// Raises the viewer's load errors, or "Cannot create file %s" when the PNG
// cannot be written; no partial file is left behind.
void RenderPage(const TRenderRequest& request);

}  // namespace codelume
