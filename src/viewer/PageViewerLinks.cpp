#include <filesystem>
#include <optional>

#include "document/AnchorIndex.h"
#include "document/SectionList.h"
#include "viewer/PageViewer.h"

namespace codelume {

namespace {

std::string UpperExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    if (ext.size() > 5) ext.resize(5);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

// Links the desktop opens: web pages in the browser, addresses in the mailer.
bool IsExternalUrl(const std::string& url) {
    std::string scheme = url.substr(0, url.find(':'));
    for (char& c : scheme) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return url.find(':') != std::string::npos &&
           (scheme == "http" || scheme == "https" || scheme == "mailto");
}

bool IsPageExtension(const std::string& ext) { return ext == ".HTM" || ext == ".HTML"; }

bool IsImageExtension(const std::string& ext) {
    return ext == ".BMP" || ext == ".GIF" || ext == ".JPG" || ext == ".JPEG" || ext == ".PNG";
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// A link as a file name: without a "file:" scheme and with %XX escapes decoded.
std::string CleanUrl(const std::string& url) {
    std::string rest = url;
    if (rest.rfind("file://", 0) == 0)
        rest.erase(0, 7);
    else if (rest.rfind("file:", 0) == 0)
        rest.erase(0, 5);
    std::string clean;
    for (size_t i = 0; i < rest.size(); ++i) {
        int high = i + 2 < rest.size() && rest[i] == '%' ? HexValue(rest[i + 1]) : -1;
        int low = high >= 0 ? HexValue(rest[i + 2]) : -1;
        if (low >= 0) {
            clean += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            clean += rest[i];
        }
    }
    return clean;
}

std::string Expanded(const std::filesystem::path& path) {
    return std::filesystem::absolute(path).lexically_normal().string();
}

}  // namespace

bool TPageViewer::JumpToAnchor(std::string name) {
    if (!name.empty() && name.front() == '#') name.erase(0, 1);
    if (name.empty()) return false;
    // An anchor may point at a block the layout has since dropped.
    TSectionBase* block = AnchorIndex->Find(name);
    if (!block || !FDocument->Holds(block)) return false;
    ScrollToY(block->TopY);
    SetHorzPosition(0);
    return true;
}

// The link opens in the frame its TARGET (or the page's BASE target) names;
// a link of only an anchor stays on the page it is on.
void TPageViewer::FollowLink() {
    bool handled = false;
    if (OnHotSpotClick) OnHotSpotClick(FHoverUrl, handled);
    if (handled) return;
    // The desktop opens web and mail links, through the seam of the whole view.
    if (IsExternalUrl(FHoverUrl)) {
        if (!TopViewer().OpenExternalUrl(FHoverUrl))
            throw ECodelumeError("Cannot open link " + FHoverUrl);
        return;
    }
    TPageViewer& target = TargetViewer(FHoverTarget.empty() ? FBaseFrameTarget : FHoverTarget);
    size_t hash = FHoverUrl.find('#');
    std::string anchor = hash == std::string::npos ? "" : FHoverUrl.substr(hash);
    std::string link = FHoverUrl.substr(0, hash);
    if (link.empty()) {
        target.OpenLinked(FLoadedPath, anchor, lkHtml);
        return;
    }
    std::string path = ExpandLinkPath(link);
    if (std::optional<TLoadKind> kind = LinkKind(path)) target.OpenLinked(path, anchor, *kind);
}

// Pages and pictures are shown; links to other kinds of file are ignored.
std::optional<TLoadKind> TPageViewer::LinkKind(const std::string& path) {
    std::string ext = UpperExtension(path);
    if (IsPageExtension(ext)) return lkHtml;
    if (IsImageExtension(ext)) return lkImage;
    return std::nullopt;
}

// The page shown already only scrolls to the anchor.
void TPageViewer::OpenLinked(const std::string& path, const std::string& anchor, TLoadKind kind) {
    if (kind == lkHtml && path == FLoadedPath && !FFrameView)
        JumpRecordingHistory(anchor);
    else
        LoadWithHistory(path + anchor, kind);
}

// The whole view's history records the jump, also when a frame makes it.
void TPageViewer::JumpRecordingHistory(const std::string& anchor) {
    TPageViewer& top = TopViewer();
    THistoryEntry previous = top.CurrentPlace();
    if (JumpToAnchor(anchor)) top.RecordHistory(previous);
}

// Links are POSIX paths: absolute ones hang below ServerRoot when it is set,
// relative ones below the page's BASE or else the folder of the shown file.
std::string TPageViewer::ExpandLinkPath(const std::string& url) const {
    std::string path = CleanUrl(url);
    if (!path.empty() && path.front() == '/') return Expanded(FServerRoot + path);
    std::filesystem::path folder;
    if (!FBaseHref.empty() && FBaseHref != "DosPath") {
        std::string base = CleanUrl(FBaseHref);
        folder = base.substr(0, base.rfind('/') + 1);
    } else {
        folder = std::filesystem::path(FLoadedPath).parent_path();
    }
    return Expanded(folder / path);
}

THistoryEntry TPageViewer::CurrentPlace() const {
    THistoryEntry place{FLoadedPath, FPageTitle, TPositionObj{PositionKey(), FLoadedKind}, {}};
    AddFramePlaces(place.Frames);
    return place;
}

void TPageViewer::RecordHistory(const THistoryEntry& previous) {
    if (History.Add(previous, CurrentPlace()) && OnHistoryChange) OnHistoryChange();
}

}  // namespace codelume
