// TPageViewer shows one HTML document: it owns the document and its anchor
// list, reads files into it, lays it out at its width, paints it into a child
// panel, scrolls it with its own bars and the keys, selects text with the
// mouse and follows links to files and anchors. A frame-set page is shown as
// its frames instead, each a viewer of its own. The border is painted by the
// viewer itself around its children.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Colors.h"
#include "base/Errors.h"
#include "canvas/CanvasTypes.h"
#include "document/SectionBase.h"
#include "print/DocumentPrinter.h"
#include "reader/HtmlReader.h"
#include "viewer/PaintClock.h"
#include "viewer/ViewerHistory.h"

class QPrinter;

namespace codelume {

class TAnchorIndex;
class TCanvas;
class TFontCache;
class TFrameView;
class TPaintPanel;
class TSectionList;
class T32ScrollBar;
class TViewerImageSource;
struct TReadResult;

// A file to load is missing.
class EInOutError : public ECodelumeError {
public:
    explicit EInOutError(const std::string& fileName);
};

// A load or a print asked of a viewer that is still loading, laying out or
// printing: the caller learns why nothing happened.
class EViewerBusy : public ECodelumeError {
public:
    EViewerBusy();
};

enum THTMLBorderStyle : uint8_t { htFocused, htNone, htSingle };
enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// What the file holds: an HTML page, plain text or one image.
enum TLoadKind : int32_t { lkHtml = 0, lkText = 1, lkImage = 2 };

class TPageViewer : public QWidget {
public:
    explicit TPageViewer(QWidget* parent = nullptr);
    ~TPageViewer() override;

    // The name may end in "#" and an anchor to scroll to. Loading and printing
    // raise EViewerBusy while a load, a layout or a print is in progress.
    void LoadFromFile(const std::string& name);
    void LoadFromString(const std::string& html);
    // Prints pages firstPage to lastPage on the system's default printer.
    void Print(int32_t firstPage, int32_t lastPage);
    // The same on a printer the print dialog set up.
    void Print(std::unique_ptr<QPrinter> printer, int32_t firstPage, int32_t lastPage);
    // Printing would start a job: a document is shown and no load is running.
    bool HasPrintableDocument() const;
    // The same on any print device (a PDF file, a test device).
    void PrintOn(TPrintDevice& device, int32_t firstPage, int32_t lastPage);
    // The print margins, the page title and the margin callbacks.
    TPrintSettings PrintSettings() const;
    // 0 when printing starts, then the number of the page being printed.
    int32_t PageCounter() const { return FPageCounter; }
    void ScrollToY(int32_t y);
    bool JumpToAnchor(std::string name);
    // Shows the history entry at index (0 the newest, higher ones older) with
    // the pages its frames showed then.
    void SetHistoryIndex(int32_t index);
    int32_t SelectionLength() const;
    void SetSelectionLength(int32_t length);
    // The selection as text, with the line breaks and indentation it shows.
    std::string SelText() const;
    // Puts the selection on the clipboard, with line feeds ending its lines.
    void CopyToClipboard() const;
    // Selects every character of the page (Ctrl+A).
    void SelectAll();

    virtual void PaintContent(TCanvas& canvas, const TRect& clip);
    virtual void PanelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                                int32_t y);
    virtual void PanelMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int32_t x,
                                int32_t y);
    virtual void PanelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                              int32_t y);
    virtual void FollowLink();
    virtual std::string ExpandLinkPath(const std::string& url) const;
    virtual void ClearView();
    void PanelDoubleClick(int32_t x, int32_t y);
    // Shows an error box and returns at once; the box closes itself with OK.
    void ShowError(const std::string& message);
    // Where ShowError's messages go instead of an error box, when set.
    std::function<void(const std::string& message)> OnErrorMessage;

    // Properties.
    bool ViewImages() const;
    void SetViewImages(bool value);
    const std::string& DefFontName() const { return FDefFontName; }
    void SetDefFontName(const std::string& name);
    const std::string& DefPreFontName() const { return FDefPreFontName; }
    void SetDefPreFontName(const std::string& name);
    int32_t DefFontSize() const { return FDefFontSize; }
    void SetDefFontSize(int32_t size);
    TColor DefFontColor() const { return FDefFontColor; }
    void SetDefFontColor(TColor color);
    TColor DefHotSpotColor() const { return FDefHotSpotColor; }
    void SetDefHotSpotColor(TColor color);
    TColor DefBackground() const { return FDefBackground; }
    void SetDefBackground(TColor color);
    THTMLBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(THTMLBorderStyle style);
    int32_t HistoryMaxCount() const { return History.MaxCount(); }
    void SetHistoryMaxCount(int32_t count);
    int32_t ImageCacheCount() const { return FImageCacheCount; }
    void SetImageCacheCount(int32_t count);
    bool NoSelect() const { return FNoSelect; }
    void SetNoSelect(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle style);
    int32_t MarginHeight() const { return FMarginHeight; }
    void SetMarginHeight(int32_t height);
    int32_t MarginWidth() const { return FMarginWidth; }
    void SetMarginWidth(int32_t width);
    int32_t CharSet() const { return FCharSet; }
    void SetCharSet(int32_t charSet);
    const std::string& ServerRoot() const { return FServerRoot; }
    void SetServerRoot(const std::string& root);
    // The bars that ScrollBars allows show even when the page fits.
    bool ScrollBarsAlways() const { return FScrollBarsAlways; }
    void SetScrollBarsAlways(bool value);
    double PrintMarginLeft = 2.0;
    double PrintMarginRight = 2.0;
    double PrintMarginTop = 2.0;
    double PrintMarginBottom = 2.0;

    // Events; the viewer works without any of them.
    std::function<void(const std::string& url)> OnHotSpotCovered;
    std::function<void(const std::string& url, bool& handled)> OnHotSpotClick;
    // Hands an http, https or mailto link to the desktop's browser or mailer;
    // false when nothing opened it. Tests put a recorder in its place.
    std::function<bool(const std::string& url)> OpenExternalUrl;
    std::function<void()> OnHistoryChange;
    std::function<void(bool busy)> OnProcessing;
    TSoundType OnSoundRequest;
    TIncludeType OnInclude;
    // An image under the pointer and the offset inside it.
    std::function<void(TImageObj& image, int32_t x, int32_t y)> OnImageClick;
    std::function<void(TImageObj& image, int32_t x, int32_t y)> OnImageOver;
    TPagePrinted OnPrintHeader;
    TPagePrinted OnPrintFooter;

    // State a host, a print job or a test reads.
    TSectionList& Document() const { return *FDocument; }
    bool Busy() const { return FBusy; }
    const std::string& LoadedPath() const { return FLoadedPath; }
    TLoadKind LoadedKind() const { return FLoadedKind; }
    const std::string& PageTitle() const { return FPageTitle; }
    const std::string& BaseHref() const { return FBaseHref; }
    const std::string& BaseFrameTarget() const { return FBaseFrameTarget; }
    const std::string& HoverUrl() const { return FHoverUrl; }
    int32_t ContentHeight() const { return FContentHeight; }
    int32_t ContentWidth() const { return FContentWidth; }
    int32_t CaretIndex() const { return FCaretIndex; }
    int32_t ScrollY() const;
    int32_t HorzPosition() const;
    TPositionKey PositionKey() const;
    const TViewerHistory& HistoryList() const { return History; }
    // The viewers of the frames shown, in document order; none without a frame set.
    std::vector<TPageViewer*> Frames() const;
    // The viewer whose frame set holds this one, and the frame's NAME.
    TPageViewer* FrameOwner() const { return FFrameOwner; }
    const std::string& FrameName() const { return FFrameName; }
    TPaintPanel& Panel() const { return *FPanel; }
    T32ScrollBar& VScrollBar() const { return *FVScrollBar; }
    T32ScrollBar& HScrollBar() const { return *FHScrollBar; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TPaintPanel;
    friend class TFrameView;
    // Content wider than this is cut off; painting clips preformatted text there.
    static constexpr int32_t MaxContentWidth = 2000;
    // A page shows at most this many frames, those of the frame sets in its
    // frames included, so that pages nesting each other come to an end.
    static constexpr int32_t MaxFrames = 100;
    class TBusyScope;

    void CreateBars();
    void ApplyDefaults();
    void SetBusy(bool busy);
    void RaiseIfBusy() const;
    void RefreshFonts(const std::string& fontName, const std::string& preFontName);
    void RelayoutIfShown();
    QRegion BorderRegion() const;
    bool HasFocusBorder() const;
    void PostBorderRedraw();
    TCanvas& MeasuringCanvas() const;

    // Loading and layout.
    void LoadWithHistory(const std::string& name, TLoadKind kind);
    void LoadKind(const std::string& name, TLoadKind kind);
    TReadResult ReadInto(const std::string& fileName, TLoadKind kind);
    TReadResult ReadString(const std::string& html);
    void ResetForLoad();
    void StopSound();
    void FinishLoad(const std::string& fileName, TLoadKind kind, const std::string& anchor,
                    const TReadResult& read);
    void FinishStringLoad(const TReadResult& read);
    void TakeReaderResults(const TReadResult& read);
    void Layout();
    void RelayoutKeepingPlace();
    void RelayoutAtPlace();

    // Frames.
    bool ShowFrameSet(const std::string& fileName);
    bool IsShownByOwners(const std::string& path) const;
    int32_t FrameCount() const;
    void DropFrames();
    void ArrangeFrameView();
    TPageViewer& TopViewer();
    TPageViewer& TargetViewer(const std::string& target);
    TPageViewer* FindFrame(const std::string& name);
    TPageViewer& PrintedViewer();
    void AddFramePlaces(std::vector<TFramePlace>& places) const;
    void ShowPlace(const std::string& path, const TPositionObj& position,
                   const std::vector<TFramePlace>& frames, size_t& next);
    static std::optional<TLoadKind> LinkKind(const std::string& path);

    // Animated images step while neither a layout nor a paint runs.
    void StartAnimationTimer();
    void AnimationTick();

    // Bars and scrolling.
    void ArrangeBars();
    void RestorePosition(TPositionKey key);
    int32_t VScrollSmallChange() const;
    int32_t BottomPosition() const;
    int32_t ClampScroll(int32_t y) const;
    int32_t ClampHorz(int32_t x) const;
    void MoveTo(int32_t y);
    void SetHorzPosition(int32_t x);
    void VScrollAction(int action);
    void HScrollAction(int action);
    void ScrollByKey(int32_t target);

    // Mouse, selection and links.
    int32_t DocumentY(int32_t panelY) const;
    TCharHit CharHitAtPanel(int32_t x, int32_t y) const;
    bool LinkAtPanel(int32_t x, int32_t y, TLinkHit& hit) const;
    bool ImageAtPanel(int32_t x, int32_t y, TImageHit& hit) const;
    void SetSelection(int32_t start, int32_t end);
    // Offers a finished selection to the X11 primary selection.
    void OfferSelection() const;
    void ExtendSelection(int32_t x, int32_t y);
    void UpdateHover(int32_t x, int32_t y);
    bool PointerOutside() const;
    void StartAutoScroll();
    void AutoScrollStep();
    void StopAutoScroll();
    void OpenLinked(const std::string& path, const std::string& anchor, TLoadKind kind);
    void JumpRecordingHistory(const std::string& anchor);
    void RecordHistory(const THistoryEntry& previous);
    THistoryEntry CurrentPlace() const;

    std::unique_ptr<TSectionList> FDocument;
    std::unique_ptr<TAnchorIndex> AnchorIndex;
    std::unique_ptr<TFontCache> ScreenFonts;  // lent to the measuring and painting canvases
    std::unique_ptr<TCanvas> Measurer;
    std::unique_ptr<TViewerImageSource> ImageSource;
    TPaintPanel* FPanel = nullptr;
    TFrameView* FFrameView = nullptr;
    TPageViewer* FFrameOwner = nullptr;
    std::string FFrameName;
    QPointer<TPageViewer> FocusedFrame;  // the frame that had the focus last
    T32ScrollBar* FVScrollBar = nullptr;
    T32ScrollBar* FHScrollBar = nullptr;
    TViewerHistory History;
    QTimer AutoScrollTimer;
    QTimer AnimationTimer;
    QElapsedTimer AnimationClock;  // time since the animations last stepped
    TPoint LastPointer;
    int32_t WheelRemainder = 0;

    std::string FDefFontName = "Times New Roman";
    std::string FDefPreFontName = "Courier New";
    int32_t FDefFontSize = 12;
    TColor FDefFontColor = clBtnText;
    TColor FDefHotSpotColor = clBlue;
    TColor FDefBackground = clBtnFace;
    THTMLBorderStyle FBorderStyle = htFocused;
    int32_t FImageCacheCount = 5;
    bool FNoSelect = false;
    TScrollStyle FScrollBars = ssBoth;
    bool FScrollBarsAlways = false;
    int32_t FMarginHeight = 5;
    int32_t FMarginWidth = 10;
    int32_t FCharSet = 1;
    std::string FServerRoot;

    int32_t FContentHeight = 0;
    int32_t FContentWidth = 0;
    int32_t BarThickness = 0;
    int32_t HorzMax = 0;
    std::string FLoadedPath;
    TLoadKind FLoadedKind = lkHtml;
    std::string FPageTitle;
    std::string FBaseHref;
    std::string FBaseFrameTarget;
    std::string FHoverUrl;
    std::string FHoverTarget;
    int32_t FCaretIndex = 0;
    int32_t SelAnchor = -1;
    bool FBusy = false;
    bool PaintLocked = false;
    TPaintClock FirstPaint;
    bool FocusedOnPress = false;
    bool PressPending = false;
    bool AutoScrolling = false;
    bool LinkHandled = false;
    int32_t LastWidth = 0;
    int32_t FPageCounter = 0;
};

}  // namespace codelume
