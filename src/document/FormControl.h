// What the document needs of form controls, forms and image maps. The concrete
// classes live with the other embedded objects; a form owns its controls and a
// text block only refers to them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "canvas/Canvas.h"
#include "document/UrlTarget.h"

namespace codelume {

enum class TControlKind : uint8_t {
    Edit,
    Button,
    Radio,
    CheckBox,
    Hidden,
    ImageButton,
    TextArea,
    ListBox,
    ComboBox
};

class TFormControlObj {
public:
    explicit TFormControlObj(TControlKind kind) : Kind(kind) {}
    virtual ~TFormControlObj() = default;

    const TControlKind Kind;
    int32_t StartIndex = 0;  // position of its placeholder byte 2 in its block
    int32_t Width = 0;       // known after Measure
    int32_t Height = 0;
    bool OnBaseline = true;  // sits on the text baseline rather than on the line bottom
    bool Painted = false;    // placed or painted in the current paint pass
    int32_t Left = 0;        // where it was last placed, in panel coordinates
    int32_t Top = 0;

    virtual void Measure(TCanvas& canvas) = 0;
    // Whether a window (a widget on the panel) shows the control on screen.
    virtual bool HasWindow() const { return false; }
    virtual void ShowAt(int32_t x, int32_t y) {
        Left = x;
        Top = y;
    }
    virtual void Hide() {}
    // Draws the control's own image: on paper, and on screen when it has no window.
    virtual void PaintAt(TCanvas& canvas, int32_t x, int32_t y) = 0;
};

// Controls of one block, ordered by start index (borrowed).
class TFormControlList : public std::vector<TFormControlObj*> {
public:
    // Distance from index to the next control at or after it, 9999 when there is none.
    int32_t ControlGapAt(int32_t index) const;
    TFormControlObj* ControlAtIndex(int32_t index) const;
    // The controls that start at character indexes first to first + count - 1.
    std::span<TFormControlObj* const> ControlsIn(int32_t first, int32_t count) const;
};

class TFormBase {
public:
    virtual ~TFormBase() = default;
    // Every control of the form measures itself before a layout.
    virtual void MeasureControls(TCanvas& canvas) = 0;
};

class TMapBase {
public:
    virtual ~TMapBase() = default;
    std::string MapName;  // upper-cased
    virtual bool LinkAt(int32_t x, int32_t y, TUrlTarget& link) const = 0;
};

}  // namespace codelume
