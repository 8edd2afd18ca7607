#include "objects/FormControls.h"

#include <algorithm>

#include "document/SectionList.h"
#include "objects/AttributeValues.h"
#include "objects/PaintBox.h"

namespace codelume {

namespace {

constexpr int32_t MaxChars = 1000;  // SIZE, ROWS and COLS beyond this are taken as this
constexpr int32_t BoxMargin = 4;    // between a box's edge and its text
constexpr int32_t ArrowWidth = 16;  // the drop-down button or the scroll bar
constexpr int32_t MarkSize = 13;    // a radio button or a check box
constexpr int32_t MarkInset = 3;    // between such a box's edge and its check

TControlKind InputKind(const std::string& type) {
    if (type == "submit" || type == "reset" || type == "button") return TControlKind::Button;
    if (type == "radio") return TControlKind::Radio;
    if (type == "checkbox") return TControlKind::CheckBox;
    if (type == "hidden") return TControlKind::Hidden;
    if (type == "image") return TControlKind::ImageButton;
    return TControlKind::Edit;
}

TControlKind SelectKind(const TAttributeList& attributes) {
    bool list = attributes.Find(MultipleSy) != nullptr ||
                IntAttribute(attributes, SizeSy, 1, 1, MaxChars) > 1;
    return list ? TControlKind::ListBox : TControlKind::ComboBox;
}

bool HasArrowStrip(TControlKind kind) {
    return kind == TControlKind::ComboBox || kind == TControlKind::ListBox ||
           kind == TControlKind::TextArea;
}

int32_t WidestOption(TCanvas& canvas, const TFont& font,
                     const std::vector<TSelectOption>& options) {
    int32_t widest = 0;
    for (const TSelectOption& option : options)
        widest = std::max(widest, canvas.TextExtent(font, option.Text));
    return widest;
}

}  // namespace

THtmlControl::THtmlControl(TControlKind kind, TSectionList& document,
                           const TAttributeList& attributes)
    : TFormControlObj(kind),
      Document(document),
      Name(TextAttribute(attributes, NameSy)),
      InitialValue(TextAttribute(attributes, ValueSy)),
      Value(InitialValue) {}

void THtmlControl::Measure(TCanvas& canvas) {
    TMyFont font = Document.BaseFont();
    int32_t charWidth = canvas.TextExtent(font, "x");
    TSize size = SizeFor(canvas, font, charWidth, canvas.TextMetrics(font).Height);
    Width = size.Width;
    Height = size.Height;
}

// A button is raised; every other control is a sunken white box with its text.
void THtmlControl::PaintAt(TCanvas& canvas, int32_t x, int32_t y) {
    if (Width <= 0 || Height <= 0) return;
    bool mono = canvas.IsMonochrome();
    bool raised = Kind == TControlKind::Button;
    TRect box{x, y, x + Width, y + Height};
    canvas.FillRect(box, mono ? clWhite : raised ? clBtnFace : clWindow);
    TColor light = mono ? clBlack : clBtnHighlight;
    TColor dark = mono ? clBlack : clBtnShadow;
    PaintFrame(canvas, box, 1, raised ? light : dark, raised ? dark : light);
    TRect inside{x + 1, y + 1, x + Width - 1, y + Height - 1};
    if (HasArrowStrip(Kind)) {
        // The width kept for the drop-down button or the scroll bar shows as a raised strip.
        TRect strip{inside.Right - ArrowWidth, inside.Top, inside.Right, inside.Bottom};
        canvas.FillRect(strip, mono ? clWhite : clBtnFace);
        PaintFrame(canvas, strip, 1, light, dark);
        inside.Right = strip.Left;
    }
    std::string text = Caption();
    if (text.empty()) return;
    TMyFont font = Document.BaseFont();
    TTextMetrics metrics = canvas.TextMetrics(font);
    int32_t baseline = y + BoxMargin + metrics.Height - metrics.Descent;
    canvas.TextOut(font, x + BoxMargin, baseline, text, mono ? clBlack : clWindowText, std::nullopt,
                   inside);
}

TInputControl::TInputControl(TSectionList& document, const TAttributeList& attributes)
    : THtmlControl(InputKind(LowerText(attributes, TypeSy, 20)), document, attributes),
      Size(IntAttribute(attributes, SizeSy, 20, 1, MaxChars)),
      MaxLength(IntAttribute(attributes, MaxLengthSy, 0, 0, INT32_MAX)),
      InitialChecked(attributes.Find(CheckedSy) != nullptr),
      Checked(InitialChecked) {
    if (Kind == TControlKind::Button && InitialValue.empty()) {
        std::string type = LowerText(attributes, TypeSy, 20);
        InitialValue = Value = type == "submit" ? "Submit" : type == "reset" ? "Reset" : "";
    }
    OnBaseline = Kind != TControlKind::Radio && Kind != TControlKind::CheckBox;
}

void TInputControl::ResetToInitial() {
    THtmlControl::ResetToInitial();
    Checked = InitialChecked;
}

TSize TInputControl::SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                             int32_t lineHeight) const {
    switch (Kind) {
        case TControlKind::Button:
            return {canvas.TextExtent(font, Value) + 4 * BoxMargin, lineHeight + 2 * BoxMargin};
        case TControlKind::Radio:
        case TControlKind::CheckBox:
            return {MarkSize, MarkSize};
        case TControlKind::Hidden:
        case TControlKind::ImageButton:
            return {0, 0};
        default:
            return {Size * charWidth + 2 * BoxMargin, lineHeight + 2 * BoxMargin};
    }
}

std::string TInputControl::Caption() const { return IsMarkBox() ? "" : Value; }

// A box too small for a line of text shows its check as a cross or a dot.
void TInputControl::PaintAt(TCanvas& canvas, int32_t x, int32_t y) {
    THtmlControl::PaintAt(canvas, x, y);
    if (!IsMarkBox() || !Checked) return;
    TColor ink = canvas.IsMonochrome() ? clBlack : clWindowText;
    TRect mark{x + MarkInset, y + MarkInset, x + Width - MarkInset, y + Height - MarkInset};
    if (Kind == TControlKind::Radio) {
        canvas.Ellipse(mark, ink, ink);
        return;
    }
    canvas.Line({mark.Left, mark.Top}, {mark.Right - 1, mark.Bottom - 1}, ink);
    canvas.Line({mark.Left, mark.Bottom - 1}, {mark.Right - 1, mark.Top}, ink);
}

TSelectControl::TSelectControl(TSectionList& document, const TAttributeList& attributes)
    : THtmlControl(SelectKind(attributes), document, attributes),
      Rows(IntAttribute(attributes, SizeSy, 1, 1, MaxChars)),
      Multiple(attributes.Find(MultipleSy) != nullptr) {}

void TSelectControl::AddOption(std::string text, std::string value, bool selected) {
    Options.push_back({std::move(text), std::move(value), selected});
}

// A drop-down box always shows one option: the first one selected, else the first.
void TSelectControl::ResetToInitial() {
    Selection.clear();
    for (const TSelectOption& option : Options) Selection.push_back(option.Selected);
    bool any = std::find(Selection.begin(), Selection.end(), true) != Selection.end();
    if (Kind == TControlKind::ComboBox && !any && !Selection.empty()) Selection[0] = true;
}

TSize TSelectControl::SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                              int32_t lineHeight) const {
    int32_t width =
        std::max(WidestOption(canvas, font, Options), charWidth) + 2 * BoxMargin + ArrowWidth;
    if (Kind == TControlKind::ListBox) return {width, Rows * lineHeight + BoxMargin};
    return {width, lineHeight + 2 * BoxMargin};
}

std::string TSelectControl::Caption() const {
    for (size_t i = 0; i < Selection.size() && i < Options.size(); ++i)
        if (Selection[i]) return Options[i].Text;
    return "";
}

TTextAreaControl::TTextAreaControl(TSectionList& document, const TAttributeList& attributes)
    : THtmlControl(TControlKind::TextArea, document, attributes),
      Rows(IntAttribute(attributes, RowsSy, 2, 1, MaxChars)),
      Cols(IntAttribute(attributes, ColsSy, 20, 1, MaxChars)) {}

void TTextAreaControl::ResetToInitial() {
    InitialValue.clear();
    for (size_t i = 0; i < Lines.size(); ++i) InitialValue += (i > 0 ? "\r\n" : "") + Lines[i];
    Value = InitialValue;
}

TSize TTextAreaControl::SizeFor(TCanvas& canvas, const TFont& font, int32_t charWidth,
                                int32_t lineHeight) const {
    (void)canvas, (void)font;
    return {Cols * charWidth + 2 * BoxMargin + ArrowWidth, Rows * lineHeight + 2 * BoxMargin};
}

std::string TTextAreaControl::Caption() const { return Value.substr(0, Value.find('\r')); }

std::unique_ptr<THtmlControl> CreateFormControl(THtmlSymbol tag, TSectionList& document,
                                                const TAttributeList& attributes) {
    if (tag == SelectSy) return std::make_unique<TSelectControl>(document, attributes);
    if (tag == TextAreaSy) return std::make_unique<TTextAreaControl>(document, attributes);
    return std::make_unique<TInputControl>(document, attributes);
}

}  // namespace codelume
