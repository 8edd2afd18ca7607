// The viewer's side of frame sets: the frames it shows, the frame a link
// names, the places its history keeps and the frame it prints.
#include "base/Ascii.h"
#include "viewer/32ScrollBar.h"
#include "viewer/FrameView.h"
#include "viewer/PageViewer.h"
#include "viewer/PaintPanel.h"

namespace codelume {

std::vector<TPageViewer*> TPageViewer::Frames() const {
    return FFrameView ? FFrameView->Frames() : std::vector<TPageViewer*>{};
}

bool TPageViewer::IsShownByOwners(const std::string& path) const {
    for (const TPageViewer* owner = FFrameOwner; owner; owner = owner->FFrameOwner)
        if (owner->FLoadedPath == path) return true;
    return false;
}

// The frames below this viewer, those in frames of frames included.
int32_t TPageViewer::FrameCount() const {
    int32_t count = 0;
    for (const TPageViewer* frame : Frames()) count += 1 + frame->FrameCount();
    return count;
}

// The view goes when control is back in the event loop: the link that
// replaces it may have been clicked in one of its frames.
void TPageViewer::DropFrames() {
    if (!FFrameView) return;
    FFrameView->hide();
    FFrameView->deleteLater();
    FFrameView = nullptr;
    FPanel->show();
}

// The frames cover everything inside the border; there is no page to scroll.
void TPageViewer::ArrangeFrameView() {
    const int32_t b = FBorderStyle == htNone ? 0 : 1;
    FFrameView->setGeometry(b, b, std::max(0, width() - 2 * b), std::max(0, height() - 2 * b));
    FPanel->hide();
    FVScrollBar->hide();
    FHScrollBar->hide();
}

TPageViewer& TPageViewer::TopViewer() {
    TPageViewer* top = this;
    while (top->FFrameOwner) top = top->FFrameOwner;
    return *top;
}

// "_top" and "_blank" are the whole view, "_parent" the viewer whose frame set
// holds this frame; a name no frame has opens in the whole view as well.
TPageViewer& TPageViewer::TargetViewer(const std::string& target) {
    std::string name = LowerAscii(target);
    if (name.empty() || name == "_self") return *this;
    if (name == "_parent") return FFrameOwner ? *FFrameOwner : *this;
    TPageViewer& top = TopViewer();
    TPageViewer* frame = name == "_top" || name == "_blank" ? nullptr : top.FindFrame(name);
    return frame ? *frame : top;
}

// Frame names are compared without regard to case.
TPageViewer* TPageViewer::FindFrame(const std::string& name) {
    for (TPageViewer* frame : Frames()) {
        if (LowerAscii(frame->FFrameName) == name) return frame;
        if (TPageViewer* inner = frame->FindFrame(name)) return inner;
    }
    return nullptr;
}

// The frame that has (or last had) the focus, else the first frame.
TPageViewer& TPageViewer::PrintedViewer() {
    if (!FFrameView) return *this;
    TPageViewer* focused = TopViewer().FocusedFrame;
    if (focused && !focused->FFrameView && FFrameView->isAncestorOf(focused)) return *focused;
    return FFrameView->Frames().front()->PrintedViewer();
}

void TPageViewer::AddFramePlaces(std::vector<TFramePlace>& places) const {
    for (const TPageViewer* frame : Frames()) {
        places.push_back(
            {frame->FLoadedPath, TPositionObj{frame->PositionKey(), frame->FLoadedKind}});
        frame->AddFramePlaces(places);
    }
}

void TPageViewer::SetHistoryIndex(int32_t index) {
    if (FBusy || index < 0 || index >= History.Count() || index == History.Index()) return;
    THistoryEntry leaving = CurrentPlace();
    THistoryEntry entry = History[index];
    size_t next = 0;
    ShowPlace(entry.Path, entry.Position, entry.Frames, next);
    History.StepTo(index, leaving);
    if (OnHistoryChange) OnHistoryChange();
}

// Loads the page unless it is shown already, then gives each of its frames
// the next of the frame places, depth first, and scrolls to the position.
void TPageViewer::ShowPlace(const std::string& path, const TPositionObj& position,
                            const std::vector<TFramePlace>& frames, size_t& next) {
    TLoadKind kind = static_cast<TLoadKind>(position.FileType);
    if (path.empty()) {
        ClearView();
        FLoadedPath.clear();
    } else if (path != FLoadedPath || kind != FLoadedKind) {
        LoadKind(path, kind);
    }
    for (TPageViewer* frame : Frames()) {
        if (next == frames.size()) break;
        const TFramePlace& place = frames[next++];
        frame->ShowPlace(place.Path, place.Position, frames, next);
    }
    if (!FFrameView) RestorePosition(position.Pos);
}

}  // namespace codelume
