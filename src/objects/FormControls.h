// The form controls of INPUT, SELECT and TEXTAREA tags: what the reader hands
// them (attributes, options, lines) and a size worked out from those. Their form
// owns them; they paint as simple boxes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/Attributes.h"
#include "document/FormControl.h"

namespace codelume {

class TSectionList;

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

protected:
    // The size in pixels for a font of the given character width and line height.
    virtual TSize SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                          int32_t lineHeight) const = 0;
    // The text shown inside the box.
    virtual std::string Caption() const { return Value; }
};

// INPUT of every TYPE: edit fields, buttons, radio buttons, check boxes, hidden
// fields and image buttons.
class TInputControl : public THtmlControl {
public:
    TInputControl(TSectionList& document, const TAttributeList& attributes);

    int32_t Size;       // SIZE in characters
    int32_t MaxLength;  // MAXLENGTH, 0 for no limit
    bool InitialChecked;
    bool Checked;

    void ResetToInitial() override;
    void PaintAt(TCanvas& canvas, int32_t x, int32_t y) override;

protected:
    TSize SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                  int32_t lineHeight) const override;
    std::string Caption() const override;

private:
    bool IsMarkBox() const { return Kind == TControlKind::Radio || Kind == TControlKind::CheckBox; }
};

struct TSelectOption {
    std::string Text;
    std::string Value;
    bool Selected = false;
    bool operator==(const TSelectOption&) const = default;
};

// SELECT: a list box when SIZE asks for more than one row or MULTIPLE is given,
// otherwise a drop-down box.
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
};

// TEXTAREA: its lines as read, ROWS by COLS characters in size.
class TTextAreaControl : public THtmlControl {
public:
    TTextAreaControl(TSectionList& document, const TAttributeList& attributes);

    int32_t Rows;
    int32_t Cols;
    std::vector<std::string> Lines;

    void AddLine(std::string line) { Lines.push_back(std::move(line)); }
    // The lines joined with carriage return and line feed.
    void ResetToInitial() override;

protected:
    TSize SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                  int32_t lineHeight) const override;
    std::string Caption() const override;
};

// The control of an INPUT, SELECT or TEXTAREA tag.
std::unique_ptr<THtmlControl> CreateFormControl(THtmlSymbol tag, TSectionList& document,
                                                const TAttributeList& attributes);

}  // namespace codelume
