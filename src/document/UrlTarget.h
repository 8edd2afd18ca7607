// A link record: the URL and the target frame name. An empty URL is no link.
#pragma once

#include <string>

namespace codelume {

struct TUrlTarget {
    std::string Url;
    std::string Target;

    bool IsLink() const { return !Url.empty(); }
    void Clear() {
        Url.clear();
        Target.clear();
    }
    bool operator==(const TUrlTarget&) const = default;
};

}  // namespace codelume
