// Renders an HTML file the way a viewer of a given size shows it, border and
// scroll bars included, into a picture file (PNG, JPEG, BMP...). Runs without
// a display.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace codelume {

struct TRenderRequest {
    std::string Source;
    std::string Output;
    int32_t Width = 800;
    int32_t Height = 600;
    int32_t ScrollY = 0;
    // Told what the viewer would show in an error box, a block it dropped say.
    std::function<void(const std::string& message)> OnWarning;
};

// Raises the viewer's load errors, or the output file's when the picture
// cannot be written; an existing picture then stays as it was. The picture's
// format is the one its name's extension asks for.
void RenderPage(const TRenderRequest& request);

// The format the extension of path asks for ("png", "jpg"), when pictures of
// it can be written.
std::optional<std::string> PictureFormatOf(const std::string& path);
// The extensions of every writable format: "bmp, jpeg, jpg, png, ...".
std::string WritablePictureFormats();

}  // namespace codelume
