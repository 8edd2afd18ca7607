#include <QApplication>
#include <QClipboard>
#include <algorithm>

#include "canvas/Utf8.h"
#include "document/Section.h"
#include "document/SectionList.h"
#include "qt/FontCache.h"
#include "viewer/PageViewer.h"
#include "viewer/PaintPanel.h"

namespace codelume {

namespace {

constexpr int32_t FastScrollDistance = 15;
constexpr int32_t FastScrollLines = 8;

// The selection's CR LF line ends (and any lone CR) as line feeds.
std::string WithLineFeeds(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            lines += text[i];
        else if (i + 1 == text.size() || text[i + 1] != '\n')
            lines += '\n';
    }
    return lines;
}

void PutOnClipboard(const std::string& text, QClipboard::Mode mode) {
    if (!text.empty()) QApplication::clipboard()->setText(DecodeBytes(WithLineFeeds(text)), mode);
}

// Letters and digits: ASCII, Latin-1 without its two signs, and the other
// scripts outside the blocks of punctuation and symbols.
bool IsWordChar(char32_t c) {
    if (c < 0x100)
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               (c >= 0xC0 && c != 0xD7 && c != 0xF7);
    return !(c >= 0x2000 && c <= 0x2BFF) && !(c >= 0x3000 && c <= 0x303F) &&
           !(c >= 0xFE30 && c <= 0xFE6F) && !(c >= 0xFF01 && c <= 0xFF0F) && c < 0xFFF0;
}

int32_t CharStart(std::string_view text, int32_t at) {
    while (at > 0 && IsUtf8Continuation(text[static_cast<size_t>(at)])) --at;
    return at;
}

bool IsWordCharAt(std::string_view text, int32_t at) {
    return IsWordChar(DecodeUtf8(text.substr(static_cast<size_t>(at))));
}

// The byte range of the word holding the character at `at`; empty when that
// character belongs to no word.
std::pair<int32_t, int32_t> WordAround(std::string_view text, int32_t at) {
    int32_t start = CharStart(text, at), end = start;
    int32_t length = static_cast<int32_t>(text.size());
    while (end < length && IsWordCharAt(text, end))
        end += Utf8CharLength(text.substr(static_cast<size_t>(end)));
    if (end == start) return {start, start};
    while (start > 0 && IsWordCharAt(text, CharStart(text, start - 1)))
        start = CharStart(text, start - 1);
    return {start, end};
}

}  // namespace

int32_t TPageViewer::DocumentY(int32_t panelY) const { return panelY + ScrollY() - FMarginHeight; }

TCharHit TPageViewer::CharHitAtPanel(int32_t x, int32_t y) const {
    return FDocument->CharIndexAt(MeasuringCanvas(), x, DocumentY(y));
}

void TPageViewer::SetSelection(int32_t start, int32_t end) {
    FDocument->SelStart = start;
    FDocument->SelEnd = end;
    FPanel->update();
}

void TPageViewer::PanelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int32_t x,
                                 int32_t y) {
    FocusedOnPress = hasFocus();
    setFocus();
    LinkHandled = false;
    if (button != Qt::LeftButton) return;
    PressPending = true;
    if (!FocusedOnPress) return;  // the first click only focuses the viewer
    SelAnchor = CharHitAtPanel(x, y).Index;
    if (SelAnchor < 0) return;
    SetSelection(SelAnchor, SelAnchor);
    FCaretIndex = SelAnchor;
}

void TPageViewer::PanelMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int32_t x,
                                 int32_t y) {
    UpdateHover(x, y);
    LastPointer = TPoint{x, y};
    if (!(buttons & Qt::LeftButton)) return;
    if (PointerOutside() && !AutoScrolling) {
        AutoScrolling = true;
        QMetaObject::invokeMethod(
            this, [this] { StartAutoScroll(); }, Qt::QueuedConnection);
    }
    if (!FNoSelect) ExtendSelection(x, y);
}

void TPageViewer::PanelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int32_t x,
                               int32_t y) {
    TImageHit image;
    if (OnImageClick && ImageAtPanel(x, y, image)) OnImageClick(*image.Image, image.X, image.Y);
    if (button == Qt::LeftButton) {
        ExtendSelection(x, y);
        FocusedOnPress = false;
        StopAutoScroll();
        OfferSelection();
        TLinkHit hit;
        if (PressPending && FDocument->SelStart >= FDocument->SelEnd && LinkAtPanel(x, y, hit)) {
            FHoverUrl = hit.Link.Url;
            FHoverTarget = hit.Link.Target;
            LinkHandled = true;
            PressPending = false;
            FollowLink();
        }
    }
    PressPending = false;
}

bool TPageViewer::LinkAtPanel(int32_t x, int32_t y, TLinkHit& hit) const {
    return FDocument->LinkAt(MeasuringCanvas(), x, DocumentY(y), hit) && hit.Link.IsLink();
}

bool TPageViewer::ImageAtPanel(int32_t x, int32_t y, TImageHit& hit) const {
    return FDocument->ImageAt(x, DocumentY(y), hit);
}

void TPageViewer::ExtendSelection(int32_t x, int32_t y) {
    if (!FocusedOnPress || SelAnchor < 0) return;
    int32_t index = CharHitAtPanel(x, std::clamp(y, 0, FPanel->height())).Index;
    if (index < 0) return;
    if (index != FCaretIndex && !FNoSelect)
        SetSelection(std::min(SelAnchor, index), std::max(SelAnchor, index));
    FCaretIndex = index;
}

// The hand over links, the arrow over images a host listens to, the viewer's
// own cursor elsewhere; a host hears of every change of the link under the pointer.
void TPageViewer::UpdateHover(int32_t x, int32_t y) {
    TLinkHit hit;
    bool onLink = LinkAtPanel(x, y, hit);
    TImageHit image;
    bool onImage = !onLink && (OnImageClick || OnImageOver) && ImageAtPanel(x, y, image);
    FPanel->setCursor(onLink    ? QCursor(Qt::PointingHandCursor)
                      : onImage ? QCursor(Qt::ArrowCursor)
                                : cursor());
    if (onImage && OnImageOver) OnImageOver(*image.Image, image.X, image.Y);
    if (hit.Link.Url == FHoverUrl) return;
    FHoverUrl = onLink ? hit.Link.Url : "";
    FHoverTarget = onLink ? hit.Link.Target : "";
    if (OnHotSpotCovered) OnHotSpotCovered(FHoverUrl);
}

bool TPageViewer::PointerOutside() const {
    return LastPointer.Y <= 0 || LastPointer.Y > FPanel->height();
}

// Dragging past the panel's top or bottom scrolls while the button is held:
// one line per tick, eight when the pointer is far outside.
void TPageViewer::StartAutoScroll() {
    if (!AutoScrolling) return;
    AutoScrollStep();
    if (AutoScrolling) AutoScrollTimer.start();
}

void TPageViewer::AutoScrollStep() {
    if (!AutoScrolling || !PointerOutside()) {
        StopAutoScroll();
        return;
    }
    bool above = LastPointer.Y <= 0;
    bool far = above ? LastPointer.Y < -FastScrollDistance
                     : LastPointer.Y > FPanel->height() + FastScrollDistance;
    int32_t lines = far ? FastScrollLines : 1;
    MoveTo(ScrollY() + (above ? -lines : lines) * VScrollSmallChange());
    ExtendSelection(LastPointer.X, LastPointer.Y);
}

void TPageViewer::StopAutoScroll() {
    AutoScrolling = false;
    AutoScrollTimer.stop();
}

void TPageViewer::PanelDoubleClick(int32_t x, int32_t y) {
    PressPending = false;
    if (FNoSelect || FBusy || LinkHandled) return;
    TCharHit hit = CharHitAtPanel(x, y);
    if (hit.Index < 0) return;
    FCaretIndex = hit.Index;
    TPoint caret;
    char ch = 0;
    TSectionBase* block = nullptr;
    // A click beyond a line's end gives the index of the next line's start.
    if (!FDocument->CaretPoint(MeasuringCanvas(), hit.Index, caret) ||
        caret.Y - FDocument->TopY > hit.LineTop || !FDocument->CharAt(hit.Index, ch, block))
        return;
    // Only text blocks answer CharAt.
    const auto& section = static_cast<const TSection&>(*block);
    auto [start, end] = WordAround(section.Text(), hit.Index - section.FirstIndex);
    if (start == end) return;
    SetSelection(section.FirstIndex + start, section.FirstIndex + end);
    OfferSelection();
}

int32_t TPageViewer::SelectionLength() const { return FDocument->SelectionLength(); }

// Setting the length to 0 collapses the selection to its start.
void TPageViewer::SetSelectionLength(int32_t length) {
    if (length != 0) return;
    SetSelection(FDocument->SelStart, FDocument->SelStart);
}

std::string TPageViewer::SelText() const { return FDocument->SelectedText(); }

void TPageViewer::CopyToClipboard() const { PutOnClipboard(SelText(), QClipboard::Clipboard); }

void TPageViewer::OfferSelection() const {
    if (QApplication::clipboard()->supportsSelection())
        PutOnClipboard(SelText(), QClipboard::Selection);
}

void TPageViewer::SelectAll() {
    if (FNoSelect) return;
    SetSelection(FDocument->FirstIndex, FDocument->FirstIndex + FDocument->CharCount);
    OfferSelection();
}

}  // namespace codelume
