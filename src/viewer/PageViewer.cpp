#include "viewer/PageViewer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "document/AnchorIndex.h"
#include "document/SectionList.h"
#include "qt/QtColors.h"
#include "qt/ScreenCanvas.h"
#include "viewer/32ScrollBar.h"
#include "viewer/PaintPanel.h"
#include "viewer/ViewerImageSource.h"
#include "viewer/ViewerScopes.h"

namespace codelume {

namespace {

constexpr int32_t VertSmallChange = 16;
constexpr int32_t HorzSmallChange = 15;
// Documents are laid out and painted at this logical resolution.
constexpr int32_t ScreenPixelsPerInch = 96;
// Animated images are looked at this often (milliseconds).
constexpr int32_t AnimationInterval = 50;

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

TPageViewer::TPageViewer(QWidget* parent)
    : QWidget(parent),
      AnchorIndex(std::make_unique<TAnchorIndex>()),
      ScreenFonts(std::make_unique<TFontCache>(ScreenPixelsPerInch)),
      Measurer(std::make_unique<TScreenCanvas>(*ScreenFonts)),
      ImageSource(std::make_unique<TViewerImageSource>(*this)) {
    resize(150, 150);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    FPanel = new TPaintPanel(*this);
    FPanel->move(1, 1);
    CreateBars();
    FDocument = std::make_unique<TSectionList>();
    FDocument->SetImageSource(ImageSource.get());
    FDocument->OnPageColor = [this](TColor color) { FPanel->Color = ToQColor(color); };
    FDocument->OnLayoutError = [this](const std::string& message) { ShowError(message); };
    OpenExternalUrl = [](const std::string& url) {
        return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
    };
    ApplyDefaults();
    AutoScrollTimer.setInterval(100);
    QObject::connect(&AutoScrollTimer, &QTimer::timeout, this, [this] { AutoScrollStep(); });
    AnimationTimer.setInterval(AnimationInterval);
    AnimationTimer.setSingleShot(true);
    QObject::connect(&AnimationTimer, &QTimer::timeout, this, [this] { AnimationTick(); });
}

TPageViewer::~TPageViewer() = default;

void TPageViewer::CreateBars() {
    FVScrollBar = new T32ScrollBar(Qt::Vertical, this);
    FVScrollBar->hide();
    FVScrollBar->setCursor(Qt::ArrowCursor);
    FVScrollBar->SetSmallChange(VertSmallChange);
    BarThickness = FVScrollBar->sizeHint().width();
    QObject::connect(FVScrollBar, &QAbstractSlider::actionTriggered, this,
                     [this](int action) { VScrollAction(action); });
    FHScrollBar = new T32ScrollBar(Qt::Horizontal, this);
    FHScrollBar->hide();
    FHScrollBar->setCursor(Qt::ArrowCursor);
    FHScrollBar->SetSmallChange(HorzSmallChange);
    QObject::connect(FHScrollBar, &QAbstractSlider::actionTriggered, this,
                     [this](int action) { HScrollAction(action); });
}

// The document starts with the viewer's defaults.
void TPageViewer::ApplyDefaults() {
    FDocument->SetDefaults(FDefFontName, FDefPreFontName, FDefBackground, FDefHotSpotColor,
                           FDefFontColor, FDefFontSize);
    FDocument->CharSet = FCharSet;
}

// An error box that does not hold up the handler that raised it.
void TPageViewer::ShowError(const std::string& message) {
    if (OnErrorMessage) {
        OnErrorMessage(message);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                QString::fromLocal8Bit(message.c_str()), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

TCanvas& TPageViewer::MeasuringCanvas() const { return *Measurer; }

void TPageViewer::SetBusy(bool busy) {
    if (busy == FBusy) return;
    FBusy = busy;
    if (OnProcessing) OnProcessing(busy);
}

// Every block takes its fonts from the document's settings again; the page
// colour and the colours a page set for itself stay.
void TPageViewer::RefreshFonts(const std::string& fontName, const std::string& preFontName) {
    TSectionList& d = *FDocument;
    d.SetDefaults(fontName, preFontName, d.PageColor, d.HotSpotColor, d.FontColor, d.FontSize);
}

// A shown document is laid out again at once, keeping the reading place.
void TPageViewer::RelayoutIfShown() {
    if (FDocument->Blocks.Count() > 0) RelayoutAtPlace();
    update();
    FPanel->update();
}

void TPageViewer::SetDefFontName(const std::string& name) {
    if (SameNameIgnoringCase(name, FDocument->FontName)) return;
    FDefFontName = name;
    RefreshFonts(name, FDocument->PreFontName);
    RelayoutIfShown();
}

void TPageViewer::SetDefPreFontName(const std::string& name) {
    if (SameNameIgnoringCase(name, FDocument->PreFontName)) return;
    FDefPreFontName = name;
    RefreshFonts(FDocument->FontName, name);
    RelayoutIfShown();
}

void TPageViewer::SetDefFontSize(int32_t size) {
    size = std::max(size, 6);
    if (size == FDefFontSize) return;
    FDefFontSize = size;
    FDocument->FontSize = size;
    RefreshFonts(FDocument->FontName, FDocument->PreFontName);
    RelayoutIfShown();
}

void TPageViewer::SetCharSet(int32_t charSet) {
    if (charSet == FCharSet) return;
    FCharSet = charSet;
    FDocument->CharSet = charSet;
    RefreshFonts(FDocument->FontName, FDocument->PreFontName);
    RelayoutIfShown();
}

void TPageViewer::SetDefFontColor(TColor color) {
    if (color == FDefFontColor) return;
    FDefFontColor = color;
    FDocument->FontColor = color;
    RefreshFonts(FDocument->FontName, FDocument->PreFontName);
}

void TPageViewer::SetDefHotSpotColor(TColor color) {
    if (color == FDefHotSpotColor) return;
    FDefHotSpotColor = color;
    FDocument->HotSpotColor = color;
    RefreshFonts(FDocument->FontName, FDocument->PreFontName);
    FPanel->update();
}

void TPageViewer::SetDefBackground(TColor color) {
    if (FBusy || color == FDefBackground) return;
    FDefBackground = color;
    FDocument->SetPageColor(color);
    FPanel->update();
}

bool TPageViewer::ViewImages() const { return FDocument->ImagesOn; }

void TPageViewer::SetViewImages(bool value) {
    if (FBusy || value == FDocument->ImagesOn) return;
    TBusyScope busy(*this);
    FDocument->ImagesOn = value;
    RelayoutIfShown();
}

void TPageViewer::SetMarginWidth(int32_t width) {
    if (FBusy || width == FMarginWidth || width < 0 || width > 50) return;
    TBusyScope busy(*this);
    FMarginWidth = width;
    RelayoutIfShown();
}

void TPageViewer::SetMarginHeight(int32_t height) {
    if (FBusy || height == FMarginHeight || height < 0 || height > 50) return;
    TBusyScope busy(*this);
    FMarginHeight = height;
    RelayoutIfShown();
}

void TPageViewer::SetScrollBars(TScrollStyle style) {
    if (style == FScrollBars) return;
    FScrollBars = style;
    if (FBusy) return;
    TBusyScope busy(*this);
    Layout();
    FPanel->update();
}

void TPageViewer::SetScrollBarsAlways(bool value) {
    if (value == FScrollBarsAlways) return;
    FScrollBarsAlways = value;
    ArrangeBars();
}

void TPageViewer::SetBorderStyle(THTMLBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    ArrangeBars();
    PostBorderRedraw();
}

void TPageViewer::SetHistoryMaxCount(int32_t count) {
    if (History.SetMaxCount(count) && OnHistoryChange) OnHistoryChange();
}

void TPageViewer::SetImageCacheCount(int32_t count) { FImageCacheCount = std::clamp(count, 0, 20); }

void TPageViewer::SetNoSelect(bool value) {
    if (value == FNoSelect) return;
    FNoSelect = value;
    if (value) SetSelection(-1, -1);
}

void TPageViewer::SetServerRoot(const std::string& root) {
    size_t first = root.find_first_not_of(" \t");
    size_t last = root.find_last_not_of(" \t");
    std::string trimmed = first == std::string::npos ? "" : root.substr(first, last - first + 1);
    if (!trimmed.empty() && trimmed.back() == '/') trimmed.pop_back();
    FServerRoot = trimmed;
}

void TPageViewer::ClearView() {
    if (FBusy) return;
    ResetForLoad();
    FBaseHref.clear();
    FBaseFrameTarget.clear();
    FPageTitle.clear();
    FContentHeight = 0;
    FContentWidth = 0;
    FVScrollBar->SetParams(0, 0, FPanel->height() + 1, 0);
    FVScrollBar->hide();
    FHScrollBar->hide();
    FDocument->SetScrollY(0);
    StopSound();
    update();
    FPanel->update();
}

void TPageViewer::PaintContent(TCanvas& canvas, const TRect& clip) {
    if (PaintLocked) return;
    FDocument->PaintBackground(canvas, clip, HorzPosition());
    FDocument->PaintDocument(canvas, clip, MaxContentWidth, FMarginWidth - HorzPosition(),
                             FMarginHeight);
    StartAnimationTimer();
}

// A tick never runs inside a paint or a layout, since both run on this thread;
// a running timer is left alone, so frequent paints do not hold it back.
void TPageViewer::StartAnimationTimer() {
    if (FDocument->AnimatedImages.empty() || AnimationTimer.isActive()) return;
    if (!AnimationClock.isValid()) AnimationClock.start();
    AnimationTimer.start();
}

// Each animated image that shows in the panel moves on by the time that
// passed, and only the images whose frame changed are painted again. A load,
// a layout or a print in progress makes the tick wait.
void TPageViewer::AnimationTick() {
    if (!FBusy && !PaintLocked) {
        qint64 elapsed = std::min(AnimationClock.restart(), qint64{AnimationInterval} * 100);
        TRect visible{0, 0, FPanel->width(), FPanel->height()};
        for (const TRect& box : FDocument->StepAnimations(static_cast<int32_t>(elapsed), visible))
            FPanel->update(ToQRect(box));
    }
    StartAnimationTimer();
}

// The viewer paints only its one-pixel border; the children cover the rest.
void TPageViewer::paintEvent(QPaintEvent*) {
    if (FBorderStyle == htNone) return;
    QPainter painter(this);
    QColor pen = HasFocusBorder() ? ToQColor(clBtnText) : FPanel->Color;
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool TPageViewer::HasFocusBorder() const {
    return (FBorderStyle == htFocused && hasFocus()) || FBorderStyle == htSingle;
}

QRegion TPageViewer::BorderRegion() const {
    return QRegion(rect()) - QRegion(rect().adjusted(1, 1, -1, -1));
}

// The border follows the focus after the current event has been handled.
void TPageViewer::PostBorderRedraw() {
    QMetaObject::invokeMethod(
        this, [this] { update(BorderRegion()); }, Qt::QueuedConnection);
}

void TPageViewer::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (FFrameOwner) TopViewer().FocusedFrame = this;
    PostBorderRedraw();
}

void TPageViewer::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    PostBorderRedraw();
}

}  // namespace codelume
