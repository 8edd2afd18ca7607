// Building text blocks: construction, copying, appending characters and objects.
#include "document/Section.h"

#include <algorithm>
#include <cstring>

#include "base/Arith.h"
#include "base/Ascii.h"
#include "document/SectionList.h"

namespace codelume {

namespace {

constexpr int32_t LevelIndent = 35;
constexpr int32_t GrowthStep = 100;

bool IsEndOrPlaceholder(char c) {
    return c == 0 || c == ImagePlaceholder || c == ControlPlaceholder;
}

}  // namespace

TSection::TSection(int32_t depth, TAlignment align, const TUrlTarget& link, const TMyFont& font,
                   TRunStyle& style)
    : Depth(depth), IndentPx(CheckedMul(depth, LevelIndent)), Align(align) {
    TMyFont face = font;
    face.Style |= style.StyleOverlay;
    TFontObj* run = Runs.Add(std::make_unique<TFontObj>(0, face));
    run->Link = link;
    MarkerFont = face;
    style.ScriptState = ssNormal;
}

TSection::TSection(TSectionList& list, const TSection& source)
    : TSectionBase(list, source),
      Capacity(source.Capacity),
      Depth(source.Depth),
      IndentPx(source.IndentPx),
      ItemNumber(source.ItemNumber),
      MarkerFont(source.MarkerFont),
      MarkerKind(source.MarkerKind),
      Align(source.Align),
      ClearMode(source.ClearMode) {
    CharCount = source.CharCount;
    if (Capacity > 0) {
        Chars = std::make_unique<char[]>(static_cast<size_t>(Capacity));
        std::memcpy(Chars.get(), source.Chars.get(), static_cast<size_t>(Capacity));
    }
    for (const auto& run : source.Runs) Runs.Add(std::make_unique<TFontObj>(*run));
    for (const auto& image : source.Images) Images.Add(image->CloneFor(list));
    Controls = source.Controls;
}

std::unique_ptr<TSectionBase> TSection::CloneFor(TSectionList& list) const {
    return std::make_unique<TSection>(list, *this);
}

void TSection::GrowFor(int32_t length) {
    if (Capacity >= CheckedAdd(length, 1)) return;
    int32_t capacity = CheckedAdd(length, GrowthStep);
    auto grown = std::make_unique<char[]>(static_cast<size_t>(capacity));
    if (CharCount > 0) std::memcpy(grown.get(), Chars.get(), static_cast<size_t>(CharCount));
    Chars = std::move(grown);
    Capacity = capacity;
}

// Text never carries the end mark or the placeholder bytes; those come only
// from the objects themselves.
void TSection::AppendBytes(std::string_view s) {
    int32_t length = CheckedLength(s.size());
    GrowFor(CheckedAdd(CharCount, length));
    char* to = Chars.get() + CharCount;
    for (char c : s)
        if (!IsEndOrPlaceholder(c)) *to++ = c;
    CharCount = CheckedNarrow(to - Chars.get());
}

void TSection::AppendPlaceholder(char placeholder) {
    GrowFor(CheckedAdd(CharCount, 1));
    Chars[static_cast<size_t>(CharCount++)] = placeholder;
}

bool TSection::OnlyFloatingImages() const {
    if (CharCount == 0) return false;
    for (int32_t i = 0; i < CharCount; ++i) {
        const TImageObj* image =
            Chars[static_cast<size_t>(i)] == ImagePlaceholder ? Images.ImageAtIndex(i) : nullptr;
        if (!image || !image->IsFloating()) return false;
    }
    return true;
}

void TSection::AppendText(std::string_view s) {
    if (s.empty() || CharCount > MaxBlockChars) return;
    if (s.front() == ' ' && (CharCount == 0 || Chars[static_cast<size_t>(CharCount - 1)] == ' '))
        s.remove_prefix(1);
    if (!s.empty() && s.front() == ' ' && OnlyFloatingImages()) s.remove_prefix(1);
    AppendBytes(s);
}

void TSection::StartFontRun(TSectionList& document, const TMyFont& font, const TRunStyle& style) {
    TFontObj* run = Runs.Last();
    if (run->StartIndex == CharCount) {
        run->Face = font;
    } else {
        const TUrlTarget& link = run->Link;
        run = Runs.Add(std::make_unique<TFontObj>(CharCount, font));
        run->Link = link;
    }
    run->Face.Style |= style.StyleOverlay;
    // The first run of a block stays on the baseline.
    run->ScriptShift = run->StartIndex == 0 ? ssNormal : style.ScriptState;
    if (run->ScriptShift != ssNormal)
        run->Face.SetBaseSize(MulDiv(run->Face.BaseSize, 3, 4), document.FontSize);
}

void TSection::ChangeLink(TSectionList& document, const TMyFont& font, const TUrlTarget& link,
                          const TRunStyle& style) {
    StartFontRun(document, font, style);
    Runs.Last()->Link = link;
}

TImageObj* TSection::InsertImage(std::unique_ptr<TImageObj> image) {
    image->StartIndex = CharCount;
    image->InLink = Runs.Last()->Link.IsLink();
    TImageObj* inserted = Images.Add(std::move(image));
    AppendPlaceholder(ImagePlaceholder);
    return inserted;
}

TFormControlObj* TSection::InsertFormControl(TFormControlObj& control) {
    if (control.Kind == TControlKind::Hidden) return &control;
    control.StartIndex = CharCount;
    Controls.push_back(&control);
    AppendPlaceholder(ControlPlaceholder);
    return &control;
}

TAlignment TSection::FinishSection() {
    if (CharCount == 0) AppendBytes(" ");
    return Align;
}

void TSection::SetClear(const TAttributeList& attributes) {
    const TAttribute* clear = attributes.Find(ClearSy);
    if (!clear) return;
    std::string value = LowerAscii(std::string_view(clear->Text).substr(0, 15));
    ClearMode = value == "left" ? cmLeft : value == "right" ? cmRight : cmBoth;
}

// A finished block gives back the room it kept for growing.
void TSection::Terminate() {
    if (CharCount == 0) return;
    if (Capacity > CharCount + 1) {
        auto fitted = std::make_unique<char[]>(static_cast<size_t>(CharCount) + 1);
        std::memcpy(fitted.get(), Chars.get(), static_cast<size_t>(CharCount));
        Chars = std::move(fitted);
        Capacity = CharCount + 1;
    }
    Chars[static_cast<size_t>(CharCount)] = 0;
}

void TSection::RefreshFonts() {
    for (const auto& run : Runs) Owner->DeriveFont(run->Face, run->Link);
    Owner->DeriveFont(MarkerFont, TUrlTarget{});
    RecomputeSpacing();
}

std::unique_ptr<TSectionBase> TPreformatted::CloneFor(TSectionList& list) const {
    return std::make_unique<TPreformatted>(list, *this);
}

void TPreformatted::AppendText(std::string_view s) {
    if (s.empty() || CharCount > MaxBlockChars) return;
    AppendBytes(s);
}

void TPreformatted::Terminate() {
    if (CharCount == 0) AppendBytes(" ");
    TSection::Terminate();
}

TUListItem::TUListItem(int32_t depth, const TUrlTarget& link, const TMyFont& font, TRunStyle& style)
    : TUListItem(depth, link, font, style, mkUnordered) {}

TUListItem::TUListItem(int32_t depth, const TUrlTarget& link, const TMyFont& font, TRunStyle& style,
                       TMarkerKind kind)
    : TSection(depth, taLeftJustify, link, font, style) {
    MarkerKind = kind;
}

TUListItem::TUListItem(TSectionList& list, const TUListItem& source)
    : TSection(list, source), PlainItem(source.PlainItem) {}

std::unique_ptr<TSectionBase> TUListItem::CloneFor(TSectionList& list) const {
    return std::make_unique<TUListItem>(list, *this);
}

TOListItem::TOListItem(int32_t depth, const TUrlTarget& link, const TMyFont& font, TRunStyle& style,
                       char numberStyle, int32_t itemNumber)
    : TUListItem(depth, link, font, style, mkOrdered), NumberStyle(numberStyle) {
    ItemNumber = itemNumber;
}

TOListItem::TOListItem(TSectionList& list, const TOListItem& source)
    : TUListItem(list, source), NumberStyle(source.NumberStyle) {}

std::unique_ptr<TSectionBase> TOListItem::CloneFor(TSectionList& list) const {
    return std::make_unique<TOListItem>(list, *this);
}

std::unique_ptr<TSectionBase> TDListItem::CloneFor(TSectionList& list) const {
    return std::make_unique<TDListItem>(list, *this);
}

}  // namespace codelume
