#include "document/SectionList.h"

#include "base/Arith.h"
#include "document/ImageObj.h"

namespace codelume {

namespace {

constexpr size_t MaxFontName = 33;

}  // namespace

TSectionList::TSectionList() : TCell(*this) {}

TSectionList::TSectionList(const TSectionList& source)
    : TCell(*this),
      ImagesOn(source.ImagesOn),
      ForPrinter(source.ForPrinter),
      ScrollY(source.ScrollY),
      ScrollChanged(source.ScrollChanged),
      SelStart(source.SelStart),
      SelEnd(source.SelEnd),
      FontName(source.FontName),
      PreFontName(source.PreFontName),
      FontSize(source.FontSize),
      FontColor(source.FontColor),
      HotSpotColor(source.HotSpotColor),
      CharSet(source.CharSet),
      PageColor(source.PageColor),
      OnScript(source.OnScript),
      BackgroundName(source.BackgroundName),
      Pictures(source.Pictures) {
    CopyBlocksFrom(source);
}

void TSectionList::ClearDocument() {
    AnimatedImages.clear();
    ClearBlocks();
    BackgroundName.clear();
    FormControlList.clear();
    FormList.Clear();
    MapList.Clear();
    OwnPictures.Clear();
    SelStart = SelEnd = 0;
}

void TSectionList::SetDefaults(const std::string& fontName, const std::string& preFontName,
                               TColor pageColor, TColor linkColor, TColor textColor,
                               int32_t fontSize) {
    FontName = fontName.substr(0, MaxFontName);
    PreFontName = preFontName.substr(0, MaxFontName);
    HotSpotColor = linkColor;
    FontColor = textColor;
    FontSize = fontSize;
    SetPageColor(pageColor);
    for (const auto& block : Blocks) block->RefreshFonts();
}

void TSectionList::SetPageColor(TColor color) {
    PageColor = color;
    if (OnPageColor) OnPageColor(color);
}

void TSectionList::DeriveFont(TMyFont& font, const TUrlTarget& link) const {
    font.Name = font.IsMono ? PreFontName : FontName;
    font.Size = MulDiv(FontSize, font.BaseSize, 12);
    font.Color = (link.IsLink() ? HotSpotColor : FontColor) | PaletteRelative;
}

TMyFont TSectionList::BaseFont() const {
    TMyFont font;
    font.Name = FontName;
    font.Color = FontColor;
    font.SetBaseSize(12, FontSize);
    return font;
}

TMyFont TSectionList::PreFont() const {
    TMyFont font = BaseFont();
    font.Name = PreFontName;
    font.IsMono = true;
    font.SetBaseSize(PreBaseSize, FontSize);
    return font;
}

int32_t TSectionList::LayoutDocument(TCanvas& canvas, int32_t y, int32_t width,
                                     int32_t& contentWidth, int32_t& curs) {
    struct TPassEnd {
        uint32_t& Pass;
        ~TPassEnd() { Pass = 0; }
    } passEnd{LayoutPass};
    LayoutPass = ++LayoutsBegun;
    for (const auto& form : FormList) form->MeasureControls(canvas);
    int32_t height = TCell::LayoutDocument(canvas, y, width, contentWidth, curs);
    // Every animation starts again from its first frame, once it is painted.
    for (TImageObj* image : AnimatedImages) {
        image->Animation->Reset();
        image->Painted = false;
    }
    return height;
}

const TPicture* TSectionList::ShownPicture(const std::string& src) {
    return ImagesOn ? Pictures->Find(src) : nullptr;
}

const TPicture* TSectionList::BackgroundPicture(const std::string& src) {
    return ForPrinter ? nullptr : ShownPicture(src);
}

void TSectionList::PaintBackground(TCanvas& canvas, const TRect& rect, int32_t scrollX) {
    const TPicture* picture = BackgroundPicture(BackgroundName);
    if (!picture) return;
    TSize tile = picture->Size;
    canvas.TileImage(*picture, rect, {-(scrollX % tile.Width), -(ScrollY % tile.Height)});
}

std::vector<TRect> TSectionList::StepAnimations(int32_t elapsed, const TRect& visible) {
    std::vector<TRect> changed;
    for (TImageObj* image : AnimatedImages) {
        TRect box = image->PaintedBox();
        box.Top -= ScrollY;
        box.Bottom -= ScrollY;
        if (image->Painted && box.Intersects(visible) && image->Animation->Advance(elapsed))
            changed.push_back(box);
    }
    return changed;
}

void TSectionList::SetScrollY(int32_t y) {
    if (y == ScrollY) return;
    ScrollY = y;
    ScrollChanged = true;
    for (TFormControlObj* control : FormControlList) control->Painted = false;
}

int32_t TSectionList::EmitTo(SelTextCount& sink) {
    if (SelStart < 0 || SelStart >= SelEnd) return 0;
    TextSink = &sink;
    EmitSelectedText();
    TextSink = nullptr;
    return sink.Finish();
}

int32_t TSectionList::SelectionLength() {
    SelTextCount counter;
    return EmitTo(counter);
}

std::string TSectionList::SelectedText() {
    TSelTextCollect collector;
    EmitTo(collector);
    return collector.Text();
}

}  // namespace codelume
