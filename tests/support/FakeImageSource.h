// An image source for engine tests: pictures of chosen sizes and frame delays
// under their SRC, with a count of the files it was asked to load.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "document/ImageSource.h"

namespace codelume {

class TFakeImageSource : public TImageSource {
public:
    void Add(const std::string& src, TSize size, std::vector<int32_t> delays = {0},
             int32_t plays = 0) {
        TPicture picture;
        picture.Size = size;
        picture.FrameDelays = std::move(delays);
        picture.Plays = plays;
        Pictures[src] = picture;
    }

    // Spellings with a leading "./" name the same file; "http:" names none.
    std::string PicturePath(const std::string& src) const override {
        if (src.starts_with("http:")) return {};
        return "/pages/" + (src.starts_with("./") ? src.substr(2) : src);
    }

    std::unique_ptr<TPicture> LoadPicture(const std::string& path) override {
        ++Loads;
        auto found = Pictures.find(path.substr(7));
        return found == Pictures.end() ? nullptr : std::make_unique<TPicture>(found->second);
    }

    int32_t Loads = 0;

private:
    std::map<std::string, TPicture> Pictures;
};

}  // namespace codelume
