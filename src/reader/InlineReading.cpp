// The inline routine: text, style and font tags, paragraphs, breaks,
// headings, links and the inline objects.
#include <algorithm>
#include <array>

#include "document/GapBlocks.h"
#include "document/ParseColor.h"
#include "objects/HtmlImage.h"
#include "reader/HtmlReader.h"
#include "reader/ReaderSymbols.h"

namespace codelume {
namespace {

// Base sizes relative to 12 by HTML size 1..7, outside and inside PRE.
constexpr std::array<int32_t, 7> FontSizes = {8, 10, 12, 14, 18, 24, 36};
constexpr std::array<int32_t, 7> PreFontSizes = {7, 8, 10, 12, 15, 20, 30};
// Heading base sizes by level 0..6; level 0 is an H without a digit.
constexpr std::array<int32_t, 7> HeadingSizes = {12, 24, 18, 15, 12, 10, 8};
constexpr size_t MaxFaceLength = 50;

std::string FaceOf(std::string_view text) {
    std::string face(text.substr(0, MaxFaceLength));
    if (size_t comma = face.find(','); comma != std::string::npos) face.erase(comma);
    return TrimControls(face);
}

}  // namespace

void THtmlReader::ParseInline(int32_t level) {
    switch (Sym) {
        case PSy:
        case PEndSy:
            ParseParagraph(level);
            return;
        case PreSy:
            ParsePre(level);
            return;
        case TableSy:
            ParseNestedTable(level);
            return;
        case MapSy:
            ParseMap();
            return;
        case BRSy:
            ParseBreak(level);
            break;
        case HSy:
            ParseHeading(level);
            break;
        case HEndSy:
            ParseHeadingEnd();
            break;
        case TTSy:
        case CodeSy:
        case KbdSy:
        case SampSy:
            if (PushFont()) {
                SetPreFont(TopFont());
                StartRun();
            }
            break;
        case TTEndSy:
        case CodeEndSy:
        case KbdEndSy:
        case SampEndSy:
        case FontEndSy:
        case BigEndSy:
        case SmallEndSy:
            PopFont();
            StartRun();
            break;
        case AddressSy:
            ParseAddress(level);
            break;
        case AddressEndSy:
            ParseAddressEnd();
            break;
        case ImgSy:
            EnsureSection(level);
            InsertImage();
            break;
        case ASy:
            ParseAnchor(level);
            break;
        case AEndSy:
            CloseLink();
            break;
        case TextSymbol:
            EnsureSection(level);
            AppendText(Token);
            PlaceTagIds();
            break;
        case InputSy:
        case SelectSy:
        case TextAreaSy:
            ParseFormControl(level);
            break;
        case FormSy:
            StartForm();
            break;
        case FormEndSy:
            CurrentForm = nullptr;
            break;
        case FontSy:
        case BaseFontSy:
            if (ApplyFontAttributes(Sym, TFontContext::fcText)) StartRun();
            break;
        case BigSy:
        case SmallSy:
            if (StepFontSize(Sym)) StartRun();
            break;
        case PageSy:
            ParsePage();
            break;
        case ScriptSy:
            ParseScript(Document.OnScript);
            break;
        default:
            if (ApplyStyleTag(Sym, Style) || ApplyScriptTag(Sym, Style)) StartRun();
            break;
    }
    NextSymbol();
}

// A run of P tags makes one paragraph space; the last tag gives the alignment.
void THtmlReader::ParseParagraph(int32_t level) {
    AddCurrentSection();
    if (!AfterParagraphSpace) CurrentCell->AddSection(std::make_unique<TParagraphSpace>());
    SkipSpaces();
    TAlignment align = AlignFromAttributes();
    AfterParagraphSpace = true;
    NextSymbol();
    while (Sym == PSy || Sym == PEndSy) {
        align = AlignFromAttributes();
        SkipSpaces();
        AfterParagraphSpace = true;
        NextSymbol();
    }
    CurrentSection = NewSection(level, align);
}

void THtmlReader::ParseBreak(int32_t level) {
    TAlignment align = CurrentSection ? CurrentSection->FinishSection() : Justification;
    AddCurrentSection();
    CurrentSection = NewSection(level, align);
    CurrentSection->SetClear(Attributes);
}

void THtmlReader::ParseHeading(int32_t level) {
    if (FontLevel() >= MaxFontLevel) return;
    AddCurrentSection();
    TMyFont font = TopFont();
    if (HeadingLevel > 0) font.Style |= fsBold;
    font.SetBaseSize(HeadingSizes[static_cast<size_t>(HeadingLevel)], Document.FontSize);
    FontStack.push_back(font);
    CurrentCell->AddSection(std::make_unique<THeadingSpace>(HeadingLevel));
    CurrentSection = NewSection(level, AlignFromAttributes());
}

void THtmlReader::ParseHeadingEnd() {
    if (FontLevel() <= 1) return;
    AddCurrentSection();
    CurrentCell->AddSection(std::make_unique<THeadingSpace>(HeadingLevel));
    PopFont();
}

void THtmlReader::ParseAddress(int32_t level) {
    AddCurrentSection();
    PushFont();
    TopFont().Style |= fsItalic;
    CurrentSection = NewSection(level, Justification);
}

void THtmlReader::ParseAddressEnd() {
    AddCurrentSection();
    PopFont();
}

// HREF and NAME are handled in the order the tag gives them.
void THtmlReader::ParseAnchor(int32_t level) {
    for (const auto& attribute : Attributes) {
        if (attribute->Kind == HrefSy) {
            OpenLink(*attribute);
        } else if (attribute->Kind == NameSy) {
            EnsureSection(level);
            PlaceTagIds();
            AnchorIndex.Add(attribute->Text, CurrentSection.get());
        }
    }
}

void THtmlReader::OpenLink(const TAttribute& href) {
    if (InLink) CloseLink();
    const TAttribute* target = Attributes.Find(TargetSy);
    CurrentLink.Url = href.Text;
    CurrentLink.Target = target ? target->Text : std::string();
    InLink = true;
    PushFont();
    TopFont().Style |= fsUnderline;
    TopFont().Color = Document.HotSpotColor;
    if (CurrentSection) CurrentSection->ChangeLink(Document, TopFont(), CurrentLink, Style);
}

void THtmlReader::InsertImage() {
    CurrentSection->InsertImage(std::make_unique<THtmlImage>(Document, Attributes));
    PlaceTagIds();
}

void THtmlReader::StartForm() { CurrentForm = &codelume::StartForm(Document, Attributes); }

// INPUT, SELECT or TEXTAREA: the control joins the open form (or a new one).
void THtmlReader::ParseFormControl(int32_t level) {
    EnsureSection(level);
    THtmlControl& control =
        InsertFormControl(*CurrentSection, Sym, Document, CurrentForm, Attributes);
    PlaceTagIds();
    if (auto* select = dynamic_cast<TSelectControl*>(&control))
        ParseSelect(*select);
    else if (auto* area = dynamic_cast<TTextAreaControl*>(&control))
        ParseTextArea(*area);
}

void THtmlReader::ParsePage() {
    AddCurrentSection();
    CurrentCell->AddSection(std::make_unique<TPage>());
}

// The P end symbol stores no attributes, so its ALIGN would be another tag's.
TAlignment THtmlReader::AlignFromAttributes() const {
    if (Sym == PEndSy) return Justification;
    const TAttribute* align = Attributes.Find(AlignSy);
    return align ? AlignmentOf(align->Text, Justification) : Justification;
}

void THtmlReader::SetPreFont(TMyFont& font) const {
    font.Name = Document.PreFontName;
    font.IsMono = true;
    font.SetBaseSize(PreBaseSize, Document.FontSize);
}

// A BASEFONT's SIZE always sets the reference for relative sizes; the tag
// changes the font only before the document's first block.
TFontChange THtmlReader::ReadFontChange(THtmlSymbol tag) {
    TFontChange change;
    for (const auto& attribute : Attributes) {
        switch (attribute->Kind) {
            case SizeSy: {
                // A signed SIZE is relative; its Value already carries the sign.
                int64_t value = attribute->Value;
                const std::string& text = attribute->Text;
                if (text.size() >= 2 && (text[0] == '+' || text[0] == '-')) value += BaseFontSize;
                change.SizeIndex = static_cast<int32_t>(std::clamp<int64_t>(value, 1, 7));
                if (tag == BaseFontSy) BaseFontSize = change.SizeIndex;
                break;
            }
            case ColorSy:
                if (TColor color; tag == FontSy && ParseColor(attribute->Text, color))
                    change.Color = color | PaletteRelative;
                break;
            case FaceSy:
                if (std::string face = FaceOf(attribute->Text); tag == FontSy && !face.empty())
                    change.Face = std::move(face);
                break;
            default:
                break;
        }
    }
    return change;
}

// The level is pushed even when the tag asks for nothing, so that its end
// tag's pop balances it.
bool THtmlReader::ApplyFontAttributes(THtmlSymbol tag, TFontContext context) {
    TFontChange change = ReadFontChange(tag);
    if (tag == BaseFontSy && (CurrentCell != &Document || !Document.Blocks.IsEmpty())) return false;
    if (!PushFont() || change.IsEmpty()) return false;
    TMyFont& font = TopFont();
    if (change.Color) font.Color = *change.Color;
    if (change.SizeIndex > 0) {
        const auto& sizes = context == TFontContext::fcPre ? PreFontSizes : FontSizes;
        font.SetBaseSize(sizes[static_cast<size_t>(change.SizeIndex - 1)], Document.FontSize);
    }
    if (!change.Face.empty()) font.Name = change.Face;
    return true;
}

// BIG at the largest size steps down, like SMALL.
bool THtmlReader::StepFontSize(THtmlSymbol tag) {
    const auto* found = std::find(FontSizes.begin(), FontSizes.end(), TopFont().BaseSize);
    if (found == FontSizes.end()) return false;
    auto index = found - FontSizes.begin();
    if (tag == BigSy && index < 6)
        ++index;
    else if (index >= 1)
        --index;
    else
        return false;
    if (!PushFont()) return false;
    TopFont().SetBaseSize(FontSizes[static_cast<size_t>(index)], Document.FontSize);
    return true;
}

}  // namespace codelume
