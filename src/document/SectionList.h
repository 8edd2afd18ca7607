// The document: the top cell of blocks plus the document-wide settings (default
// fonts and colours, scroll offset, selection), its pictures and the lists of
// forms, form controls and image maps. One per viewer; printing lays out a copy.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Colors.h"
#include "base/FreeList.h"
#include "document/Cell.h"
#include "document/FormControl.h"
#include "document/ImageSource.h"
#include "document/MyFont.h"
#include "document/SelTextCount.h"

namespace codelume {

class TImageObj;

// The script handler: language and script text (lines end in CR LF).
using TScriptEvent = std::function<void(const std::string& language, const std::string& script)>;

class TSectionList : public TCell {
public:
    TSectionList();
    // The print copy: every block cloned, the settings from ImagesOn to PageColor
    // copied, no page-colour notification, no forms or maps; it draws from the
    // pictures of its source, which outlives it.
    TSectionList(const TSectionList& source);

    bool ImagesOn = false;
    bool ForPrinter = false;
    int32_t ScrollY = 0;
    bool ScrollChanged = false;
    int32_t SelStart = 0;  // absolute indices, end exclusive; -1 and -1 switch selection off
    int32_t SelEnd = 0;
    std::string FontName = "Times New Roman";
    std::string PreFontName = "Courier New";
    int32_t FontSize = 12;
    TColor FontColor = clBtnText;
    TColor HotSpotColor = clBlue;
    int32_t CharSet = 1;
    TColor PageColor = clBtnFace;
    TScriptEvent OnScript;
    std::string BackgroundName;

    std::function<void(TColor)> OnPageColor;  // the viewer repaints its panel
    // A block dropped from the layout because it could not be laid out.
    std::function<void(const std::string& message)> OnLayoutError;

    TFreeList<TFormBase> FormList;
    std::vector<TFormControlObj*> FormControlList;  // every control of every form
    TFreeList<TMapBase> MapList;
    TPictureCache* Pictures = &OwnPictures;
    // Images whose picture is animated, registered at their layout; owned by their blocks.
    std::vector<TImageObj*> AnimatedImages;
    int32_t PageCut = 0;  // when printing: the Y at which the page being painted ends
    // The layout under way, 0 between layouts: what a block measures during
    // one stays true until it ends.
    uint32_t LayoutPass = 0;
    SelTextCount* TextSink = nullptr;

    void ClearDocument();
    // Where this document's pictures come from; borrowed.
    void SetImageSource(TImageSource* source) { OwnPictures.Source = source; }
    void SetDefaults(const std::string& fontName, const std::string& preFontName, TColor pageColor,
                     TColor linkColor, TColor textColor, int32_t fontSize);
    void SetPageColor(TColor color);

    // The picture SRC names while images are shown; none when printing and src
    // names a background, which stays off the paper.
    const TPicture* ShownPicture(const std::string& src);
    const TPicture* BackgroundPicture(const std::string& src);
    // Tiles the BODY's background picture over rect so that it scrolls with the
    // text; scrollX is how far the view is scrolled to the right.
    void PaintBackground(TCanvas& canvas, const TRect& rect, int32_t scrollX);

    // Advances the animations of the images painted since the last layout that
    // the panel's rectangle visible still shows; the screen rectangles whose
    // picture changed.
    std::vector<TRect> StepAnimations(int32_t elapsed, const TRect& visible);

    // The face, point size and colour a run's font takes from the document.
    void DeriveFont(TMyFont& font, const TUrlTarget& link) const;
    // The base font: body face, text colour, base size 12.
    TMyFont BaseFont() const;
    // The preformatted font at its base size 10.
    TMyFont PreFont() const;

    int32_t LayoutDocument(TCanvas& canvas, int32_t y, int32_t width, int32_t& contentWidth,
                           int32_t& curs);
    int32_t PaintDocument(TCanvas& canvas, const TRect& rect, int32_t clipWidth, int32_t x,
                          int32_t y);
    void SetScrollY(int32_t y);
    int32_t SelectionLength();
    // The selected characters as the selection length counts them, line breaks included.
    std::string SelectedText();

private:
    TPictureCache OwnPictures;
    uint32_t LayoutsBegun = 0;

    int32_t EmitTo(SelTextCount& sink);
};

}  // namespace codelume
