// Font runs: each run of a text block starts at a character index with its own font,
// the metrics measured for it and the link it belongs to.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "base/FreeList.h"
#include "canvas/Canvas.h"
#include "document/MyFont.h"
#include "document/UrlTarget.h"

namespace codelume {

enum TScriptShift : uint8_t { ssNormal, ssSubscript, ssSuperscript };

// The reader's style state that every new run takes on: the style bits it adds
// and the script position. A new text block resets ScriptState.
struct TRunStyle {
    TFontStyles StyleOverlay = 0;
    TScriptShift ScriptState = ssNormal;
};

// A run's own copy of its link record. Most runs are no link, so the record is
// only allocated for the ones that are.
class TRunLink {
public:
    TRunLink() = default;
    TRunLink(const TRunLink& other) { *this = other; }
    TRunLink& operator=(const TRunLink& other) { return *this = other.Get(); }
    TRunLink& operator=(const TUrlTarget& link) {
        Record =
            link.Url.empty() && link.Target.empty() ? nullptr : std::make_unique<TUrlTarget>(link);
        return *this;
    }

    const TUrlTarget& Get() const;
    operator const TUrlTarget&() const { return Get(); }
    bool IsLink() const { return Record && Record->IsLink(); }
    bool operator==(const TUrlTarget& link) const { return Get() == link; }

private:
    std::unique_ptr<TUrlTarget> Record;
};

class TFontObj {
public:
    TFontObj(int32_t startIndex, TMyFont face) : StartIndex(startIndex), Face(std::move(face)) {}

    int32_t StartIndex;
    TMyFont Face;
    int32_t CellHeight = 0;  // metric height plus external leading
    int32_t GlyphHeight = 0;
    int32_t ItalicOverhang = 0;
    int32_t RunDescent = 0;
    TScriptShift ScriptShift = ssNormal;
    TRunLink Link;

    void MeasureRun(TCanvas& canvas);
};

// Runs ordered by start index; the first starts at 0.
class TFontList : public TFreeList<TFontObj> {
public:
    // The position in the list of the run in force at a character index.
    int RunIndexAt(int32_t index) const;
    TFontObj* RunAt(int32_t index) const { return (*this)[RunIndexAt(index)]; }
    const TMyFont& FontAt(int32_t index, int32_t& overhang) const;
    // Characters from index to the next run's start, or to count when none follows.
    int32_t RunLengthAt(int32_t index, int32_t count) const;
};

}  // namespace codelume
