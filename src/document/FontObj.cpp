#include "document/FontObj.h"

#include <algorithm>

namespace codelume {

const TUrlTarget& TRunLink::Get() const {
    static const TUrlTarget NoLink;
    return Record ? *Record : NoLink;
}

void TFontObj::MeasureRun(TCanvas& canvas) {
    TTextMetrics metrics = canvas.TextMetrics(Face);
    CellHeight = metrics.Height + metrics.ExternalLeading;
    GlyphHeight = metrics.Height;
    ItalicOverhang = metrics.Overhang;
    RunDescent = metrics.Descent;
}

int TFontList::RunIndexAt(int32_t index) const {
    // Runs are ordered by start index, so the run in force is found by bisection.
    auto after = std::upper_bound(begin(), end(), index,
                                  [](int32_t i, const auto& run) { return i < run->StartIndex; });
    return std::max(0, static_cast<int>(after - begin()) - 1);
}

const TMyFont& TFontList::FontAt(int32_t index, int32_t& overhang) const {
    const TFontObj* run = RunAt(index);
    overhang = run->ItalicOverhang;
    return run->Face;
}

int32_t TFontList::RunLengthAt(int32_t index, int32_t count) const {
    int next = RunIndexAt(index) + 1;
    return (next < Count() ? (*this)[next]->StartIndex : count) - index;
}

}  // namespace codelume
