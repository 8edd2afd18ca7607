#include <algorithm>
#include <filesystem>

#include "base/Stream.h"
#include "document/AnchorIndex.h"
#include "document/SectionList.h"
#include "reader/DocumentReader.h"
#include "reader/FrameSetReading.h"
#include "viewer/32ScrollBar.h"
#include "viewer/FrameView.h"
#include "viewer/PageViewer.h"
#include "viewer/PaintPanel.h"
#include "viewer/ViewerScopes.h"

namespace codelume {

namespace {

constexpr size_t MaxAnchorLength = 255;

// Runs a read and then the finishing step, which also runs when the read
// raises: what was read before the error is laid out and shown all the same.
template <typename TRead, typename TFinish>
void ReadAndFinish(TRead read, TFinish finish) {
    TReadResult result;
    try {
        result = read();
    } catch (...) {
        finish(result);
        throw;
    }
    finish(result);
}

std::string FullPath(const std::string& name) {
    return std::filesystem::absolute(std::filesystem::path(name)).lexically_normal().string();
}

}  // namespace

EInOutError::EInOutError(const std::string& fileName)
    : ECodelumeError("Can't locate file: " + fileName) {}

EViewerBusy::EViewerBusy() : ECodelumeError("The viewer is still busy with another page") {}

void TPageViewer::RaiseIfBusy() const {
    if (FBusy) throw EViewerBusy();
}

void TPageViewer::LoadFromFile(const std::string& name) { LoadWithHistory(name, lkHtml); }

// A load into a frame goes into the history of the whole view.
void TPageViewer::LoadWithHistory(const std::string& name, TLoadKind kind) {
    if (name.empty()) return;
    TPageViewer& top = TopViewer();
    RaiseIfBusy();
    top.RaiseIfBusy();
    THistoryEntry previous = top.CurrentPlace();
    LoadKind(name, kind);
    if (!SamePages(previous, top.CurrentPlace())) top.RecordHistory(previous);
}

void TPageViewer::LoadKind(const std::string& name, TLoadKind kind) {
    size_t hash = name.find('#');
    std::string fileName = name.substr(0, hash);
    std::string anchor = hash == std::string::npos ? "" : name.substr(hash + 1, MaxAnchorLength);
    TBusyScope busy(*this);
    if (!FileExists(fileName)) throw EInOutError(fileName);
    FirstPaint.LoadStarted(fileName);
    ResetForLoad();
    if (kind == lkHtml && ShowFrameSet(fileName)) return;
    ReadAndFinish([&] { return ReadInto(fileName, kind); },
                  [&](const TReadResult& read) { FinishLoad(fileName, kind, anchor, read); });
}

TReadResult TPageViewer::ReadInto(const std::string& fileName, TLoadKind kind) {
    switch (kind) {
        case lkText:
            return ParseTextFile(*FDocument, *AnchorIndex, fileName);
        case lkImage:
            return ReadString("<img src=\"" + fileName + "\">");
        case lkHtml:
            break;
    }
    StopSound();
    return ParseDocumentFile(*FDocument, *AnchorIndex, fileName, OnSoundRequest, OnInclude);
}

TReadResult TPageViewer::ReadString(const std::string& html) {
    return ParseDocumentBuffer(*FDocument, *AnchorIndex, html.data(),
                               CheckedNarrow(std::ssize(html)), OnInclude);
}

// Empties the document and sets it up with the viewer's defaults.
void TPageViewer::ResetForLoad() {
    DropFrames();
    FDocument->ClearDocument();
    FDocument->SetDefaults(FDefFontName, FDefPreFontName, FDefBackground, FDefHotSpotColor,
                           FDefFontColor, FDefFontSize);
    AnchorIndex->Clear();
    FCaretIndex = 0;
    SelAnchor = -1;
}

void TPageViewer::FinishLoad(const std::string& fileName, TLoadKind kind, const std::string& anchor,
                             const TReadResult& read) {
    std::string previousPath = FLoadedPath;
    FLoadedPath = FullPath(fileName);
    FLoadedKind = kind;
    TakeReaderResults(read);
    Layout();
    if (anchor.empty() && FLoadedPath != previousPath) {
        ScrollToY(0);
        SetHorzPosition(0);
    } else if (anchor.empty() || !JumpToAnchor(anchor)) {
        ScrollToY(ScrollY());  // a shorter page must not leave the view beyond its end
    }
    FPanel->update();
}

// A frame-set page shows its frames, unless none can be shown: the view's
// frames are all spent, or the page is already open in a frame around this
// one. Then it is read as any other page, and its NOFRAMES text shows.
bool TPageViewer::ShowFrameSet(const std::string& fileName) {
    std::string path = FullPath(fileName);
    int32_t room = MaxFrames - TopViewer().FrameCount();
    if (room <= 0 || IsShownByOwners(path) || !IsFrameSetDocument(fileName, OnInclude))
        return false;
    StopSound();
    auto frameSet = std::make_unique<TFrameSet>();
    if (!ParseFrameSetDocument(*frameSet, path, OnInclude, OnSoundRequest)) return false;
    TReadResult read{frameSet->Title, frameSet->Base, frameSet->BaseTarget};
    auto view = std::make_unique<TFrameView>(*this, std::move(frameSet), room);
    if (view->Frames().empty()) return false;
    FFrameView = view.release();  // owned by this widget from now on
    FLoadedPath = path;
    FLoadedKind = lkHtml;
    TakeReaderResults(read);
    Layout();
    FFrameView->show();
    FFrameView->LoadFrames();
    return true;
}

void TPageViewer::TakeReaderResults(const TReadResult& read) {
    FPageTitle = read.Title;
    FBaseHref = read.Base;
    FBaseFrameTarget = read.BaseTarget;
}

// A background sound of the last page stops.
void TPageViewer::StopSound() {
    if (OnSoundRequest) OnSoundRequest("", 0, true);
}

void TPageViewer::LoadFromString(const std::string& html) {
    RaiseIfBusy();
    TBusyScope busy(*this);
    ResetForLoad();
    ReadAndFinish([&] { return ReadString(html); },
                  [&](const TReadResult& read) { FinishStringLoad(read); });
}

void TPageViewer::FinishStringLoad(const TReadResult& read) {
    FLoadedPath.clear();
    FLoadedKind = lkHtml;
    TakeReaderResults(read);
    Layout();
    ScrollToY(0);
    SetHorzPosition(0);
    FPanel->update();
}

// Lays the document out at the panel's width; room for the vertical bar is
// always reserved so that showing it never changes the line breaks.
void TPageViewer::Layout() {
    bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    int32_t layoutWidth = std::max(0, width() - (vertical ? BarThickness : 0) - 2 * FMarginWidth);
    int32_t contentWidth = 0;
    int32_t curs = 0;
    int32_t height = 0;
    AnimationTimer.stop();
    {
        TPaintLock lock(PaintLocked);
        height = FDocument->LayoutDocument(MeasuringCanvas(), FMarginHeight, layoutWidth,
                                           contentWidth, curs);
    }
    AnimationClock.invalidate();  // the animations count their time from this layout on
    StartAnimationTimer();
    FContentHeight = CheckedAdd(height, (vertical ? 2 : 1) * FMarginHeight);
    FContentWidth = contentWidth;
    LastWidth = this->width();
    ArrangeBars();
}

void TPageViewer::RelayoutKeepingPlace() {
    if (FBusy) return;
    TBusyScope busy(*this);
    RelayoutAtPlace();
}

// Layout moves the reader to the same block and offset, not the same pixel.
void TPageViewer::RelayoutAtPlace() {
    TPositionKey key = PositionKey();
    Layout();
    RestorePosition(key);
}

}  // namespace codelume
