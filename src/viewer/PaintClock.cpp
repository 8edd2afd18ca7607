#include "viewer/PaintClock.h"

#include <cstdio>
#include <cstdlib>

namespace codelume {

namespace {

bool Enabled() {
    static const bool enabled = std::getenv("CODELUME_PAINT_TIMES") != nullptr;
    return enabled;
}

}  // namespace

void TPaintClock::LoadStarted(const std::string& file) {
    if (!Enabled()) return;
    LoadStart = std::chrono::steady_clock::now();
    File = file;
}

void TPaintClock::Painted() {
    if (!LoadStart) return;
    auto now = std::chrono::steady_clock::now();
    std::chrono::duration<double, std::milli> sinceLoad = now - *LoadStart;
    std::chrono::duration<double> monotonic = now.time_since_epoch();
    std::fprintf(stderr, "codelume: painted %s %.1f ms after its load began, monotonic %.6f s\n",
                 File.c_str(), sinceLoad.count(), monotonic.count());
    LoadStart.reset();
}

}  // namespace codelume
