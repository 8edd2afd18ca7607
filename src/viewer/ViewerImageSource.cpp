#include "viewer/ViewerImageSource.h"

#include <algorithm>

#include "base/Ascii.h"
#include "qt/QtPicture.h"
#include "viewer/PageViewer.h"

namespace codelume {

namespace {

// "http:", "data:" and the like; a scheme is a letter and then letters, digits,
// "+", "-" or "." up to the colon.
bool HasRemoteScheme(const std::string& url) {
    size_t colon = url.find(':');
    if (colon == std::string::npos || colon == 0 ||
        !std::isalpha(static_cast<unsigned char>(url[0])))
        return false;
    bool scheme =
        std::all_of(url.begin(), url.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
        });
    return scheme && LowerAscii(url.substr(0, colon)) != "file";
}

}  // namespace

std::string TViewerImageSource::PicturePath(const std::string& src) const {
    if (HasRemoteScheme(src)) return {};
    // A query or a fragment does not name another file.
    std::string file = src.substr(0, src.find_first_of("?#"));
    return file.empty() ? std::string() : Viewer.ExpandLinkPath(file);
}

std::unique_ptr<TPicture> TViewerImageSource::LoadPicture(const std::string& path) {
    return DecodePicture(path);
}

}  // namespace codelume
