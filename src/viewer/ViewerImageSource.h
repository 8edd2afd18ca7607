// The viewer's image source: an image's SRC is found as the viewer finds the
// file of a link (the page's BASE or folder, the server root), and the file is
// decoded by Qt's image readers.
#pragma once

#include "document/ImageSource.h"

namespace codelume {

class TPageViewer;

class TViewerImageSource : public TImageSource {
public:
    explicit TViewerImageSource(const TPageViewer& viewer) : Viewer(viewer) {}

    // Empty for a URL of another scheme than file:, which names no local file.
    std::string PicturePath(const std::string& src) const override;
    std::unique_ptr<TPicture> LoadPicture(const std::string& path) override;

private:
    const TPageViewer& Viewer;
};

}  // namespace codelume
