// The form controls of INPUT, SELECT and TEXTAREA tags: what the reader hands
// them (attributes, options, lines) and a size worked out from those. Their form
// owns them. They are shown, not used: each paints the look of its control with
// the text it holds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/Attributes.h"
#include "document/FormControl.h"
#include "document/MyFont.h"

namespace codelume {

class TSectionList;

// The colours controls paint with; on a monochrome canvas black and white only.
struct TControlPalette {
    TColor Field;  // an edit box or list
    TColor Face;   // a button or scroll bar
    TColor Light;  // the lit edges of a frame
    TColor Dark;   // the shaded edges
    TColor Text;
    TColor Selection;  // behind a selected list row
    TColor SelectedText;
};

class THtmlControl : public TFormControlObj {
public:
    THtmlControl(TControlKind kind, TSectionList& document, const TAttributeList& attributes);

    TSectionList& Document;
    std::string Name;
    std::string InitialValue;  // VALUE as the tag gave it
    std::string Value;         // what the control holds now

    void Measure(TCanvas& canvas) override;
    void PaintAt(TCanvas& canvas, int32_t x, int32_t y) override;
    // Back to what the page gave it.
    virtual void ResetToInitial() { Value = InitialValue; }
    // The font it is measured and shows its text in.
    virtual TMyFont Font() const;

protected:
    // The size in pixels for a font of the given character width and line height.
    virtual TSize SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                          int32_t lineHeight) const = 0;
    // The text shown inside the box.
    virtual std::string Caption() const { return Value; }
    // What shows inside the frame (inside, left of any scroll bar): the
    // caption on one line.
    virtual void PaintContent(TCanvas& canvas, const TRect& box, const TRect& inside,
                              const TControlPalette& ink);
    // Text on the line that starts at top, clipped to clip.
    void PaintTextLine(TCanvas& canvas, int32_t x, int32_t top, std::string_view text, TColor color,
                       const TRect& clip);
};

// INPUT of every TYPE: edit fields, buttons, radio buttons, check boxes, hidden
// fields and image buttons. A password field is an edit field that shows a
// bullet for each character; a file field is one followed by its Browse button.
class TInputControl : public THtmlControl {
public:
    TInputControl(TSectionList& document, const TAttributeList& attributes);

    int32_t Size;       // SIZE in characters
    int32_t MaxLength;  // MAXLENGTH, 0 for no limit
    bool InitialChecked;
    bool Checked;
    bool Masked;        // TYPE=password
    bool BrowseButton;  // TYPE=file

    void ResetToInitial() override;
    void PaintAt(TCanvas& canvas, int32_t x, int32_t y) override;

protected:
    TSize SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                  int32_t lineHeight) const override;
    std::string Caption() const override;

private:
    bool IsMarkBox() const { return Kind == TControlKind::Radio || Kind == TControlKind::CheckBox; }
    void PaintRadioCircle(TCanvas& canvas, int32_t x, int32_t y);
    void PaintMark(TCanvas& canvas, int32_t x, int32_t y);
    void PaintFileField(TCanvas& canvas, int32_t x, int32_t y);
};

struct TSelectOption {
    std::string Text;
    std::string Value;
    bool Selected = false;
    bool operator==(const TSelectOption&) const = default;
};

// SELECT: a list box of SIZE rows (four when only MULTIPLE is given), its
// selected options highlighted, when SIZE asks for more than one row or
// MULTIPLE is given; otherwise a drop-down box that shows its selected option.
class TSelectControl : public THtmlControl {
public:
    TSelectControl(TSectionList& document, const TAttributeList& attributes);

    int32_t Rows;
    bool Multiple;
    std::vector<TSelectOption> Options;
    std::vector<bool> Selection;  // the options selected now

    void AddOption(std::string text, std::string value, bool selected);
    void ResetToInitial() override;

protected:
    TSize SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                  int32_t lineHeight) const override;
    std::string Caption() const override;
    void PaintContent(TCanvas& canvas, const TRect& box, const TRect& inside,
                      const TControlPalette& ink) override;

private:
    // The first option the list shows: the first, unless that would leave the
    // first selected option below the last row.
    size_t FirstShownOption() const;
};

// TEXTAREA: its lines as read, ROWS by COLS characters in size, showing as
// many of them as it has rows.
class TTextAreaControl : public THtmlControl {
public:
    TTextAreaControl(TSectionList& document, const TAttributeList& attributes);

    int32_t Rows;
    int32_t Cols;
    std::vector<std::string> Lines;

    void AddLine(std::string line) { Lines.push_back(std::move(line)); }
    // The lines joined with carriage return and line feed.
    void ResetToInitial() override;
    // The preformatted font, so that COLS counts its characters.
    TMyFont Font() const override;

protected:
    TSize SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                  int32_t lineHeight) const override;
    void PaintContent(TCanvas& canvas, const TRect& box, const TRect& inside,
                      const TControlPalette& ink) override;
};

// The control of an INPUT, SELECT or TEXTAREA tag.
std::unique_ptr<THtmlControl> CreateFormControl(THtmlSymbol tag, TSectionList& document,
                                                const TAttributeList& attributes);

}  // namespace codelume
