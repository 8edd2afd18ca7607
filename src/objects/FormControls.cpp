#include "objects/FormControls.h"

#include <algorithm>

#include "canvas/Utf8.h"
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
constexpr int32_t ArrowRows = 4;    // the height of the triangle on an arrow button
constexpr int32_t ButtonGap = 4;    // between a file field and its Browse button
constexpr int32_t ListRows = 4;     // a MULTIPLE list without SIZE
constexpr std::string_view BrowseCaption = "Browse...";
constexpr std::string_view Bullet = "\xE2\x80\xA2";  // U+2022, for each character of a password

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

TControlPalette PaletteFor(const TCanvas& canvas) {
    if (canvas.IsMonochrome())
        return {clWhite, clWhite, clBlack, clBlack, clBlack, clBlack, clWhite};
    return {clWindow,     clBtnFace,   clBtnHighlight, clBtnShadow,
            clWindowText, clHighlight, clHighlightText};
}

// A sunken field or a raised button face with its frame; returns the part inside the frame.
TRect PaintBox(TCanvas& canvas, const TRect& box, bool raised, const TControlPalette& ink) {
    canvas.FillRect(box, raised ? ink.Face : ink.Field);
    PaintFrame(canvas, box, 1, raised ? ink.Light : ink.Dark, raised ? ink.Dark : ink.Light);
    return {box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
}

// A small triangle centred on a button, one pixel row at a time.
void PaintArrow(TCanvas& canvas, const TRect& button, bool up, TColor color) {
    int32_t centre = (button.Left + button.Right) / 2;
    int32_t top = (button.Top + button.Bottom - ArrowRows) / 2;
    for (int32_t row = 0; row < ArrowRows; ++row) {
        int32_t half = up ? row : ArrowRows - 1 - row;
        canvas.FillRect({centre - half, top + row, centre + half + 1, top + row + 1}, color);
    }
}

void PaintArrowButton(TCanvas& canvas, const TRect& button, bool up, const TControlPalette& ink) {
    PaintBox(canvas, button, true, ink);
    PaintArrow(canvas, button, up, ink.Text);
}

// Along the right edge: the drop-down button of a drop-down box, or the
// scroll bar of a list or text area with its two arrow buttons. Returns what
// is left of inside.
TRect PaintArrowStrip(TCanvas& canvas, TRect inside, TControlKind kind,
                      const TControlPalette& ink) {
    TRect strip{inside.Right - ArrowWidth, inside.Top, inside.Right, inside.Bottom};
    inside.Right = strip.Left;
    if (kind == TControlKind::ComboBox) {
        PaintArrowButton(canvas, strip, false, ink);
        return inside;
    }
    canvas.FillRect(strip, ink.Face);
    int32_t side = std::min(ArrowWidth, (strip.Bottom - strip.Top) / 2);
    PaintArrowButton(canvas, {strip.Left, strip.Top, strip.Right, strip.Top + side}, true, ink);
    PaintArrowButton(canvas, {strip.Left, strip.Bottom - side, strip.Right, strip.Bottom}, false,
                     ink);
    return inside;
}

int32_t ButtonWidth(TCanvas& canvas, const TFont& font, std::string_view caption) {
    return canvas.TextExtent(font, caption) + 4 * BoxMargin;
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

TMyFont THtmlControl::Font() const { return Document.BaseFont(); }

void THtmlControl::Measure(TCanvas& canvas) {
    TMyFont font = Font();
    int32_t charWidth = canvas.TextExtent(font, "x");
    TSize size = SizeFor(canvas, font, charWidth, canvas.TextMetrics(font).Height);
    Width = size.Width;
    Height = size.Height;
}

// A button is raised; every other control is a sunken white box with its text.
void THtmlControl::PaintAt(TCanvas& canvas, int32_t x, int32_t y) {
    if (Width <= 0 || Height <= 0) return;
    TControlPalette ink = PaletteFor(canvas);
    TRect box{x, y, x + Width, y + Height};
    TRect inside = PaintBox(canvas, box, Kind == TControlKind::Button, ink);
    if (HasArrowStrip(Kind)) inside = PaintArrowStrip(canvas, inside, Kind, ink);
    PaintContent(canvas, box, inside, ink);
}

// A button's caption stands in the middle of the width it was given.
void THtmlControl::PaintContent(TCanvas& canvas, const TRect& box, const TRect& inside,
                                const TControlPalette& ink) {
    int32_t margin = Kind == TControlKind::Button ? 2 * BoxMargin : BoxMargin;
    PaintTextLine(canvas, box.Left + margin, box.Top + BoxMargin, Caption(), ink.Text, inside);
}

void THtmlControl::PaintTextLine(TCanvas& canvas, int32_t x, int32_t top, std::string_view text,
                                 TColor color, const TRect& clip) {
    if (text.empty()) return;
    TMyFont font = Font();
    TTextMetrics metrics = canvas.TextMetrics(font);
    canvas.TextOut(font, x, top + metrics.Height - metrics.Descent, text, color, std::nullopt,
                   clip);
}

TInputControl::TInputControl(TSectionList& document, const TAttributeList& attributes)
    : THtmlControl(InputKind(LowerText(attributes, TypeSy, 20)), document, attributes),
      Size(IntAttribute(attributes, SizeSy, 20, 1, MaxChars)),
      MaxLength(IntAttribute(attributes, MaxLengthSy, 0, 0, INT32_MAX)),
      InitialChecked(attributes.Find(CheckedSy) != nullptr),
      Checked(InitialChecked),
      Masked(LowerText(attributes, TypeSy, 20) == "password"),
      BrowseButton(LowerText(attributes, TypeSy, 20) == "file") {
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
            break;
    }
    int32_t width = Size * charWidth + 2 * BoxMargin;
    if (BrowseButton) width += ButtonGap + ButtonWidth(canvas, font, BrowseCaption);
    return {width, lineHeight + 2 * BoxMargin};
}

std::string TInputControl::Caption() const {
    if (IsMarkBox()) return "";
    if (!Masked) return Value;
    std::string bullets;
    for (int32_t i = Utf8CharCount(Value); i > 0; --i) bullets += Bullet;
    return bullets;
}

void TInputControl::PaintAt(TCanvas& canvas, int32_t x, int32_t y) {
    if (BrowseButton) {
        PaintFileField(canvas, x, y);
        return;
    }
    if (Kind == TControlKind::Radio)
        PaintRadioCircle(canvas, x, y);
    else
        THtmlControl::PaintAt(canvas, x, y);
    if (IsMarkBox() && Checked) PaintMark(canvas, x, y);
}

// A radio button is round, where a check box is square.
void TInputControl::PaintRadioCircle(TCanvas& canvas, int32_t x, int32_t y) {
    TControlPalette ink = PaletteFor(canvas);
    canvas.Ellipse({x, y, x + Width, y + Height}, ink.Dark, ink.Field);
}

// A box too small for a line of text shows its check as a cross or a dot.
void TInputControl::PaintMark(TCanvas& canvas, int32_t x, int32_t y) {
    TColor ink = canvas.IsMonochrome() ? clBlack : clWindowText;
    TRect mark{x + MarkInset, y + MarkInset, x + Width - MarkInset, y + Height - MarkInset};
    if (Kind == TControlKind::Radio) {
        canvas.Ellipse(mark, ink, ink);
        return;
    }
    canvas.Line({mark.Left, mark.Top}, {mark.Right - 1, mark.Bottom - 1}, ink);
    canvas.Line({mark.Left, mark.Bottom - 1}, {mark.Right - 1, mark.Top}, ink);
}

// The field with the file name, then the button that would choose one.
void TInputControl::PaintFileField(TCanvas& canvas, int32_t x, int32_t y) {
    if (Width <= 0 || Height <= 0) return;
    TControlPalette ink = PaletteFor(canvas);
    int32_t buttonLeft = x + Width - ButtonWidth(canvas, Font(), BrowseCaption);
    TRect field{x, y, std::max(x, buttonLeft - ButtonGap), y + Height};
    PaintContent(canvas, field, PaintBox(canvas, field, false, ink), ink);
    TRect button{std::max(x, buttonLeft), y, x + Width, y + Height};
    TRect face = PaintBox(canvas, button, true, ink);
    PaintTextLine(canvas, button.Left + 2 * BoxMargin, y + BoxMargin, BrowseCaption, ink.Text,
                  face);
}

TSelectControl::TSelectControl(TSectionList& document, const TAttributeList& attributes)
    : THtmlControl(SelectKind(attributes), document, attributes),
      Rows(IntAttribute(attributes, SizeSy, attributes.Find(MultipleSy) ? ListRows : 1, 1,
                        MaxChars)),
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

size_t TSelectControl::FirstShownOption() const {
    auto selected = std::find(Selection.begin(), Selection.end(), true);
    auto index = static_cast<size_t>(selected - Selection.begin());
    auto rows = static_cast<size_t>(Rows);
    return selected == Selection.end() || index < rows ? 0 : index - rows + 1;
}

// A list shows one option a row, from the frame down; selected rows are highlighted.
void TSelectControl::PaintContent(TCanvas& canvas, const TRect& box, const TRect& inside,
                                  const TControlPalette& ink) {
    if (Kind != TControlKind::ListBox) {
        THtmlControl::PaintContent(canvas, box, inside, ink);
        return;
    }
    int32_t lineHeight = canvas.TextMetrics(Font()).Height;
    size_t first = FirstShownOption();
    for (int32_t row = 0; row < Rows && first + static_cast<size_t>(row) < Options.size(); ++row) {
        size_t option = first + static_cast<size_t>(row);
        int32_t top = box.Top + BoxMargin / 2 + row * lineHeight;
        TRect line{inside.Left, top, inside.Right, std::min(top + lineHeight, inside.Bottom)};
        bool selected = option < Selection.size() && Selection[option];
        if (selected) canvas.FillRect(line, ink.Selection);
        PaintTextLine(canvas, box.Left + BoxMargin, top, Options[option].Text,
                      selected ? ink.SelectedText : ink.Text, line);
    }
}

TTextAreaControl::TTextAreaControl(TSectionList& document, const TAttributeList& attributes)
    : THtmlControl(TControlKind::TextArea, document, attributes),
      Rows(IntAttribute(attributes, RowsSy, 2, 1, MaxChars)),
      Cols(IntAttribute(attributes, ColsSy, 20, 1, MaxChars)) {}

TMyFont TTextAreaControl::Font() const { return Document.PreFont(); }

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

// One line of the text a row, as many as there are rows; longer lines are cut at the frame.
void TTextAreaControl::PaintContent(TCanvas& canvas, const TRect& box, const TRect& inside,
                                    const TControlPalette& ink) {
    int32_t lineHeight = canvas.TextMetrics(Font()).Height;
    std::string_view text = Value;
    for (int32_t row = 0; row < Rows; ++row) {
        size_t end = text.find("\r\n");
        PaintTextLine(canvas, box.Left + BoxMargin, box.Top + BoxMargin + row * lineHeight,
                      text.substr(0, end), ink.Text, inside);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 2);
    }
}

std::unique_ptr<THtmlControl> CreateFormControl(THtmlSymbol tag, TSectionList& document,
                                                const TAttributeList& attributes) {
    if (tag == SelectSy) return std::make_unique<TSelectControl>(document, attributes);
    if (tag == TextAreaSy) return std::make_unique<TTextAreaControl>(document, attributes);
    return std::make_unique<TInputControl>(document, attributes);
}

}  // namespace codelume
