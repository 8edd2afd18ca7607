// TCodelumeF: the application's one window. The user picks a Pascal source,
// accepts or changes the proposed destination and converts the source into a
// highlighted page. Controls are owned through Qt parents; the dialogs are
// borrowed.
#pragma once

#include <QFont>
#include <QKeySequence>
#include <QPixmap>
#include <QWidget>
#include <vector>

#include "app/UserDialogs.h"

class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

namespace codelume {

class TPageViewer;
class TShadowLabel;

class TCodelumeF : public QWidget {
    Q_OBJECT

public:
    explicit TCodelumeF(TUserDialogs& dialogs, QWidget* parent = nullptr);

    // The controls, in creation order.
    TShadowLabel* ShadowLabel1;
    QWidget* Shape1;
    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* EditSource;
    QLineEdit* EditDest;
    TPageViewer* Viewer;
    QWidget* ToolBar1;
    QToolButton* btnInput;
    QToolButton* btnHTML;
    QToolButton* doDest;
    QToolButton* btnOpen;
    QToolButton* btnPrint;
    const TFileDialog OpenDialog1;
    const TFileDialog SaveDialog1;
    const std::vector<QPixmap> ImageList1;

    // The event handlers; a failure propagates to the caller, which shows it.
    void BtnInputClick();
    void doDestClick();
    void EditDestChange();
    void BtnHTMLClick();
    void BtnOpenClick();
    void btnPrintClick();
    // Fills in the source and its proposed destination, as choosing source in
    // the Open dialog does (the program's FILE argument).
    void SelectSource(const std::string& source);

private:
    using THandler = void (TCodelumeF::*)();
    struct TCommandKey {
        const char* Hint;
        QKeySequence Key;
    };

    int Scaled(int designPixels) const;
    void Place(QWidget* control, int left, int top, int width, int height) const;
    QFont ArialFont(int designPixels, QFont::Weight weight) const;
    void SetUpWindow();
    void CreateTitleCard();
    void CreatePanel();
    QLabel* CreateFieldLabel(const char* caption, int top, int width);
    QLineEdit* CreateEdit(int top);
    void CreateViewer();
    void CreateToolBar();
    QToolButton* CreateToolButton(int left, int image, const TCommandKey& command,
                                  THandler handler);
    void CreateSeparator(int left);
    void ArrangeControls();
    void RunHandler(THandler handler);
    void ShowResult();
    void LoadDestination();

    TUserDialogs& Dialogs;
};

}  // namespace codelume
