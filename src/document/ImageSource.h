// Where a document's pictures come from. The host supplies the source (it
// knows the document's folder, its BASE and the platform's decoders); each
// document keeps what it decoded in its picture cache.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "canvas/Picture.h"

namespace codelume {

class TImageSource {
public:
    virtual ~TImageSource() = default;
    // The file an image's SRC names, relative to the document's folder or its
    // BASE; empty when SRC names no local file.
    virtual std::string PicturePath(const std::string& src) const = 0;
    // The picture in that file; none when it is missing or cannot be decoded.
    virtual std::unique_ptr<TPicture> LoadPicture(const std::string& path) = 0;
};

// The pictures of one document, each file asked of the source once, and kept
// until the document is cleared. Borrows its source.
class TPictureCache {
public:
    TImageSource* Source = nullptr;

    // The picture SRC names; none without a source or when the file is missing
    // or cannot be decoded.
    const TPicture* Find(const std::string& src);
    void Clear() {
        BySource.clear();
        ByPath.clear();
    }

private:
    const TPicture* FindPath(const std::string& src);

    std::map<std::string, std::unique_ptr<TPicture>> ByPath;  // none for a file that failed
    // What each SRC found, so that painting a background asks the source no path again.
    std::map<std::string, const TPicture*> BySource;
};

}  // namespace codelume
