// Timing the viewer from outside: with CODELUME_PAINT_TIMES set in the
// environment, the first screen painted of each loaded page is reported on
// standard error, with the time since its load began and the reading of the
// monotonic clock, which a script compares with the moment it started the
// program or pressed a key. Unset, it costs a flag test per load and paint.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace codelume {

class TPaintClock {
public:
    void LoadStarted(const std::string& file);
    // Called after every paint; reports the first one since the last load.
    void Painted();

private:
    std::optional<std::chrono::steady_clock::time_point> LoadStart;
    std::string File;
};

}  // namespace codelume
