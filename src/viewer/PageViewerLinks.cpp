#include <filesystem>

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
    if (!block || FDocument->Blocks.IndexOf(block) < 0) return false;
    ScrollToY(block->TopY);
    SetHorzPosition(0);
    return true;
}

void TPageViewer::FollowLink() {
    bool handled = false;
    if (OnHotSpotClick) OnHotSpotClick(FHoverUrl, handled);
    if (handled) return;
    if (!FHoverUrl.empty() && FHoverUrl.front() == '#') {
        JumpRecordingHistory(FHoverUrl);
        return;
    }
    size_t hash = FHoverUrl.find('#');
    std::string anchor = hash == std::string::npos ? "" : FHoverUrl.substr(hash);
    std::string path = ExpandLinkPath(FHoverUrl.substr(0, hash));
    std::string ext = UpperExtension(path);
    if (IsPageExtension(ext)) {
        if (path != FLoadedPath)
            LoadFromFile(path + anchor);
        else
            JumpRecordingHistory(anchor);
    } else if (IsImageExtension(ext)) {
        LoadWithHistory(path, lkImage);
    }
}

void TPageViewer::JumpRecordingHistory(const std::string& anchor) {
    THistoryEntry previous = CurrentPlace();
    if (JumpToAnchor(anchor)) RecordHistory(previous);
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
    TPositionKey key = PositionKey();
    return THistoryEntry{FLoadedPath, FPageTitle, TPositionObj{key, FLoadedKind}};
}

void TPageViewer::RecordHistory(const THistoryEntry& previous) {
    if (History.Add(previous, CurrentPlace()) && OnHistoryChange) OnHistoryChange();
}

}  // namespace codelume
