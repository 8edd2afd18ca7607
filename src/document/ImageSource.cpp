#include "document/ImageSource.h"

namespace codelume {

const TPicture* TPictureCache::Find(const std::string& src) {
    if (!Source || src.empty()) return nullptr;
    auto known = BySource.find(src);
    if (known == BySource.end()) known = BySource.emplace(src, FindPath(src)).first;
    return known->second;
}

const TPicture* TPictureCache::FindPath(const std::string& src) {
    std::string path = Source->PicturePath(src);
    if (path.empty()) return nullptr;
    auto found = ByPath.find(path);
    if (found == ByPath.end()) found = ByPath.emplace(path, Source->LoadPicture(path)).first;
    return found->second.get();
}

}  // namespace codelume
