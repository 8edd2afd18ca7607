#include "viewer/FrameView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cctype>
#include <exception>

#include "base/Ascii.h"
#include "objects/PaintBox.h"
#include "qt/QtColors.h"
#include "qt/ScreenCanvas.h"
#include "viewer/PageViewer.h"

namespace codelume {

namespace {

// The widest margin a viewer takes.
constexpr int32_t MaxFrameMargin = 50;

// A URL with a scheme other than "file:" names nothing on this machine.
bool IsLocalUrl(const std::string& url) {
    size_t colon = url.find(':');
    if (colon == std::string::npos || colon < 2)
        return true;  // one letter is a drive, not a scheme
    std::string scheme = LowerAscii(url.substr(0, colon));
    bool isScheme = std::all_of(scheme.begin(), scheme.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
    return !isScheme || scheme == "file";
}

// A frame shows its page with the fonts, colours and hooks of the viewer around it.
void InheritSettings(TPageViewer& frame, const TPageViewer& owner) {
    frame.SetDefFontName(owner.DefFontName());
    frame.SetDefPreFontName(owner.DefPreFontName());
    frame.SetDefFontSize(owner.DefFontSize());
    frame.SetDefFontColor(owner.DefFontColor());
    frame.SetDefHotSpotColor(owner.DefHotSpotColor());
    frame.SetDefBackground(owner.DefBackground());
    frame.SetCharSet(owner.CharSet());
    frame.SetViewImages(owner.ViewImages());
    frame.SetNoSelect(owner.NoSelect());
    frame.SetServerRoot(owner.ServerRoot());
    frame.OnHotSpotCovered = owner.OnHotSpotCovered;
    frame.OnHotSpotClick = owner.OnHotSpotClick;
    frame.OnInclude = owner.OnInclude;
}

// MARGINWIDTH, MARGINHEIGHT and SCROLLING of the FRAME tag.
void ApplyFrameAttributes(TPageViewer& frame, const TFrameInfo& info, const TPageViewer& owner) {
    frame.SetMarginWidth(info.MarginWidth >= 0 ? std::min(info.MarginWidth, MaxFrameMargin)
                                               : owner.MarginWidth());
    frame.SetMarginHeight(info.MarginHeight >= 0 ? std::min(info.MarginHeight, MaxFrameMargin)
                                                 : owner.MarginHeight());
    if (info.Scrolling == "no") frame.SetScrollBars(ssNone);
    frame.SetScrollBarsAlways(info.Scrolling == "yes");
}

}  // namespace

TFrameView::TFrameView(TPageViewer& owner, std::unique_ptr<TFrameSet> frameSet, int32_t maxFrames)
    : QWidget(&owner),
      Owner(owner),
      FrameSet(std::move(frameSet)),
      MaxFrames(maxFrames),
      Arrangement(ArrangeFrames(*FrameSet, TRect{}, maxFrames)) {
    for (const TFrameRoom& room : Arrangement.Frames) FFrames.push_back(CreateFrame(*room.Frame));
}

TPageViewer* TFrameView::CreateFrame(const TFrameInfo& info) {
    auto* frame = new TPageViewer(this);
    frame->FFrameOwner = &Owner;
    frame->FFrameName = info.Name;
    InheritSettings(*frame, Owner);
    ApplyFrameAttributes(*frame, info, Owner);
    frame->show();
    return frame;
}

void TFrameView::LoadFrames() {
    Arrange();
    std::exception_ptr firstError;
    for (size_t i = 0; i < FFrames.size(); ++i) {
        try {
            LoadFrame(*FFrames[i], *Arrangement.Frames[i].Frame);
        } catch (const std::exception&) {
            if (!firstError) firstError = std::current_exception();
        }
    }
    if (firstError) std::rethrow_exception(firstError);
}

// SRC is taken like a link of the frame-set page; a frame without a page of
// this machine stays empty.
void TFrameView::LoadFrame(TPageViewer& frame, const TFrameInfo& info) {
    if (info.Url.empty() || !IsLocalUrl(info.Url)) return;
    size_t hash = info.Url.find('#');
    std::string path = Owner.ExpandLinkPath(info.Url.substr(0, hash));
    std::string anchor = hash == std::string::npos ? "" : info.Url.substr(hash);
    frame.LoadKind(path + anchor, TPageViewer::LinkKind(path).value_or(lkHtml));
}

// The number of frames never depends on the room, so the viewers stay those
// made for the first arrangement.
void TFrameView::Arrange() {
    Arrangement = ArrangeFrames(*FrameSet, TRect{0, 0, width(), height()}, MaxFrames);
    for (size_t i = 0; i < FFrames.size(); ++i)
        FFrames[i]->setGeometry(ToQRect(Arrangement.Frames[i].Rect));
    update();
}

void TFrameView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void TFrameView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(clBtnFace));
    TScreenCanvas canvas(painter, *Owner.ScreenFonts);
    for (const TFrameBorder& border : Arrangement.Borders) {
        if (border.Color)
            canvas.FillRect(border.Rect, *border.Color);
        else
            PaintFrame(canvas, border.Rect, 1, clBtnHighlight, clBtnShadow);
    }
}

}  // namespace codelume
