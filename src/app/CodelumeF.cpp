#include "app/CodelumeF.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "app/PathText.h"
#include "app/ShadowLabel.h"
#include "app/ToolImages.h"
#include "base/Arith.h"
#include "base/Stream.h"
#include "convert/Conversion.h"
#include "viewer/PageViewer.h"

namespace codelume {

namespace {

// Placements and font sizes are designed at this resolution.
constexpr int DesignPixelsPerInch = 120;
// Tool buttons are sized by their 16 by 16 images, whatever the resolution.
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;
const QColor Navy(0x00, 0x00, 0x80);

QString TitleCaption() {
    return QStringLiteral("Codelume\r\nPascal Source to HTML Converter\r\nby %1\r\nat %2")
        .arg(QString::fromUtf8(MakerName), QString::fromUtf8(MakerAddress));
}

void SetTextColor(QWidget* control, const QColor& color) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    control->setPalette(palette);
}

}  // namespace

TCodelumeF::TCodelumeF(TUserDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      OpenDialog1{TFileDialog::TKind::fdOpen,
                  "Pascal unit (*.pas)|*.pas|Delphi project file (*.dpr)|*.dpr|Delphi form file "
                  "(*.dfm)|*.dfm|"
                  "Delphi package source file (*.dpk)|*.dpk|"
                  "Pascal sources|*.pas;*.pp;*.inc;*.dpr;*.lpr;*.dpk|"
                  "Form files|*.dfm;*.lfm;*.xfm;*.fmx|All files|*",
                  "*.pas"},
      SaveDialog1{TFileDialog::TKind::fdSave, "HTML Files|*.htm;*.html", "htm"},
      ImageList1(CreateToolImages()),
      Dialogs(dialogs) {
    SetUpWindow();
    CreateTitleCard();
    CreatePanel();
    CreateViewer();
    CreateToolBar();
    ArrangeControls();
}

int TCodelumeF::Scaled(int designPixels) const {
    return MulDiv(designPixels, logicalDpiY(), DesignPixelsPerInch);
}

void TCodelumeF::Place(QWidget* control, int left, int top, int width, int height) const {
    control->setGeometry(Scaled(left), Scaled(top), Scaled(width), Scaled(height));
}

QFont TCodelumeF::ArialFont(int designPixels, QFont::Weight weight) const {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(Scaled(designPixels));
    font.setWeight(weight);
    return font;
}

void TCodelumeF::SetUpWindow() {
    setWindowTitle(QStringLiteral("Codelume"));
    setWindowIcon(ApplicationIcon());
    move(Scaled(89), Scaled(104));
    resize(Scaled(648), Scaled(424));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, windowPalette.color(QPalette::Button));
    windowPalette.setColor(QPalette::WindowText, Qt::black);
    setPalette(windowPalette);
    setFont(ArialFont(16, QFont::Normal));
}

// The title card: four centred lines with a yellow bar under them.
void TCodelumeF::CreateTitleCard() {
    ShadowLabel1 = new TShadowLabel(this);
    Place(ShadowLabel1, 144, 168, 445, 128);
    ShadowLabel1->setFont(ArialFont(27, QFont::Bold));
    SetTextColor(ShadowLabel1, Navy);
    ShadowLabel1->SetAlignment(taCenter);
    ShadowLabel1->SetCaption(TitleCaption());
    Shape1 = new QWidget(this);
    Place(Shape1, 144, 304, 449, 17);
    QPalette yellow = Shape1->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    Shape1->setPalette(yellow);
    Shape1->setAutoFillBackground(true);
}

void TCodelumeF::CreatePanel() {
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(Scaled(81));
    Label1 = CreateFieldLabel("Source:", 15, 49);
    Label2 = CreateFieldLabel("Destination:", 46, 75);
    EditSource = CreateEdit(10);
    EditSource->setReadOnly(true);
    EditSource->setFocusPolicy(Qt::ClickFocus);
    EditDest = CreateEdit(43);
    connect(EditDest, &QLineEdit::textChanged, this, [this] { EditDestChange(); });
    Label1->setBuddy(EditSource);
    Label2->setBuddy(EditDest);
}

QLabel* TCodelumeF::CreateFieldLabel(const char* caption, int top, int width) {
    auto* label = new QLabel(QString::fromUtf8(caption), Panel1);
    Place(label, 18, top, width, 16);
    label->setFont(ArialFont(13, QFont::Bold));
    SetTextColor(label, Navy);
    return label;
}

QLineEdit* TCodelumeF::CreateEdit(int top) {
    auto* edit = new QLineEdit(Panel1);
    Place(edit, 106, top, 463, 24);
    return edit;
}

// Hidden until the first conversion; then it covers the title card for good.
void TCodelumeF::CreateViewer() {
    Viewer = new TPageViewer(this);
    Viewer->hide();
    QSizePolicy policy = Viewer->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Viewer->setSizePolicy(policy);
    Viewer->setCursor(Qt::IBeamCursor);
    Viewer->SetViewImages(false);
    Viewer->SetBorderStyle(htFocused);
    Viewer->SetHistoryMaxCount(0);
    Viewer->SetDefFontName("Times New Roman");
    Viewer->SetDefPreFontName("Courier New");
    Viewer->SetNoSelect(false);
    Viewer->PrintMarginLeft = Viewer->PrintMarginRight = 2.0;
    Viewer->PrintMarginTop = Viewer->PrintMarginBottom = 2.0;
}

void TCodelumeF::CreateToolBar() {
    ToolBar1 = new QWidget(this);
    ToolBar1->setFixedHeight(Scaled(29));
    CreateSeparator(0);
    btnInput = CreateToolButton(8, 0, {"Select Pascal Source", Qt::CTRL | Qt::Key_O},
                                &TCodelumeF::BtnInputClick);
    btnHTML = CreateToolButton(31, 1, {"Convert Pascal to HTML", Qt::CTRL | Qt::Key_Return},
                               &TCodelumeF::BtnHTMLClick);
    doDest = CreateToolButton(54, 2, {"Select Destination", Qt::CTRL | Qt::Key_S},
                              &TCodelumeF::doDestClick);
    CreateSeparator(77);
    btnOpen = CreateToolButton(85, 3, {"Preview HTML", Qt::Key_F5}, &TCodelumeF::BtnOpenClick);
    btnPrint =
        CreateToolButton(108, 4, {"Print HTML", Qt::CTRL | Qt::Key_P}, &TCodelumeF::btnPrintClick);
}

// The tooltip names the button's shortcut after its hint: "Print HTML (Ctrl+P)".
QToolButton* TCodelumeF::CreateToolButton(int left, int image, const TCommandKey& command,
                                          THandler handler) {
    auto* button = new QToolButton(ToolBar1);
    button->setGeometry(left, (Scaled(29) - ButtonHeight) / 2, ButtonWidth, ButtonHeight);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(QIcon(ImageList1[static_cast<size_t>(image)]));
    button->setIconSize(QSize(16, 16));
    button->setShortcut(command.Key);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(
        QString::fromUtf8(command.Hint), command.Key.toString(QKeySequence::NativeText)));
    connect(button, &QToolButton::clicked, this, [this, handler] { RunHandler(handler); });
    return button;
}

void TCodelumeF::CreateSeparator(int left) {
    auto* separator = new QFrame(ToolBar1);
    separator->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    separator->setGeometry(left, (Scaled(29) - ButtonHeight) / 2, 8, ButtonHeight);
}

// The toolbar and the panel keep the full width at the top, the viewer fills
// the rest; the title card keeps its place under the viewer.
void TCodelumeF::ArrangeControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(Panel1);
    layout->addWidget(Viewer, 1);
}

// Qt must not see an exception, so every failure ends here in the error box.
void TCodelumeF::RunHandler(THandler handler) {
    try {
        (this->*handler)();
    } catch (const std::exception& error) {
        Dialogs.ShowError(this, error.what());
    }
}

void TCodelumeF::BtnInputClick() {
    std::optional<std::string> source = Dialogs.Execute(this, OpenDialog1);
    if (source) SelectSource(*source);
}

void TCodelumeF::SelectSource(const std::string& source) {
    EditSource->setText(PathText(source));
    EditDest->setText(PathText(ProposedDestination(source)));
    btnHTML->setEnabled(true);
}

void TCodelumeF::doDestClick() {
    std::optional<std::string> destination = Dialogs.Execute(this, SaveDialog1);
    if (destination) EditDest->setText(PathText(*destination));
}

// Any change of the destination, typed or set, holds Preview back until the
// next successful conversion.
void TCodelumeF::EditDestChange() { btnOpen->setEnabled(false); }

void TCodelumeF::BtnHTMLClick() {
    std::string destination = PathBytes(EditDest->text());
    // Only an overwrite the user agreed to may replace a file; one that
    // appears meanwhile is kept.
    TOverwrite overwrite = TOverwrite::owNever;
    if (FileExists(destination)) {
        if (!Dialogs.AskYesNo(this, "Confirm", "Overwrite the existing file " + destination + "?"))
            return;
        overwrite = TOverwrite::owReplace;
    }
    ConvertToPage(PathBytes(EditSource->text()), destination, overwrite);
    btnOpen->setEnabled(true);
    ShowResult();
}

void TCodelumeF::ShowResult() {
    Viewer->show();
    LoadDestination();
}

// Preview loads the destination, but never shows a viewer that is still hidden.
void TCodelumeF::BtnOpenClick() { LoadDestination(); }

// Every page the viewer holds, up to page 9999, on the default printer, or
// without one on what the print dialog chooses. An empty viewer prints
// nothing and asks nothing.
void TCodelumeF::btnPrintClick() {
    if (!Viewer->HasPrintableDocument() || Dialogs.HasDefaultPrinter()) {
        Viewer->Print(1, 9999);
        return;
    }
    if (std::unique_ptr<QPrinter> printer = Dialogs.ExecutePrintDialog(this))
        Viewer->Print(std::move(printer), 1, 9999);
}

void TCodelumeF::LoadDestination() {
    std::string destination = PathBytes(EditDest->text());
    if (FileExists(destination)) Viewer->LoadFromFile(destination);
}

}  // namespace codelume
