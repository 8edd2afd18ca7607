// The content of SELECT and TEXTAREA controls: options and lines of text.
#include "reader/HtmlReader.h"
#include "reader/SymbolTables.h"

namespace codelume {
namespace {

// Option texts and values are kept to this many characters.
constexpr size_t MaxOptionText = 80;

// One option as it is being read; an option with empty text is never added.
struct TPendingOption {
    std::string Text;
    std::string Value;
    bool Selected = false;

    void Append(const std::string& token) {
        Text += token;
        if (Text.size() > MaxOptionText) Text.resize(MaxOptionText);
    }
    // Hands the option to the control when it has text; true when it did.
    bool AddTo(TSelectControl& control, bool inOption) {
        Text = TrimControls(Text);
        if (Text.empty()) return false;
        if (inOption) control.AddOption(Text, Value, Selected);
        *this = TPendingOption();
        return true;
    }
};

}  // namespace

// The OPTION end tag is optional: the next OPTION or the SELECT end closes an option.
void THtmlReader::ParseSelect(TSelectControl& control) {
    NextSymbol();
    TPendingOption option;
    bool inOption = false;
    while (Sym != EofSymbol && Sym != SelectEndSy) {
        if (Sym == TextSymbol && inOption) {
            option.Append(Token);
        } else if (Sym == OptionSy || Sym == OptionEndSy) {
            option.AddTo(control, inOption);
            inOption = Sym == OptionSy;
            if (inOption) {
                option.Selected = Attributes.Find(SelectedSy) != nullptr;
                if (const TAttribute* value = Attributes.Find(ValueSy))
                    option.Value = value->Text.substr(0, MaxOptionText);
            }
        }
        NextSymbol();
    }
    if (inOption) option.AddTo(control, inOption);
    control.ResetToInitial();
}

// Every symbol but a line end is text here, so tags inside a text area show as typed.
void THtmlReader::ParseTextArea(TTextAreaControl& control) {
    std::string line;
    NextTextAreaSymbol();
    while (Sym != TextAreaEndSy && Sym != EofSymbol) {
        if (Sym == LineEndSymbol) {
            control.AddLine(line);
            line.clear();
        } else {
            line += Token;
        }
        NextTextAreaSymbol();
    }
    while (CurCh != '>' && CurCh != EndOfSource) NextChar();
    NextChar();
    if (!line.empty()) control.AddLine(line);
    control.ResetToInitial();
}

}  // namespace codelume
