#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <optional>

#include "app/CodelumeF.h"
#include "app/QtUserDialogs.h"
#include "app/ShadowLabel.h"
#include "support/FormWriter.h"
#include "support/TempDir.h"
#include "support/TinyDisk.h"
#include "viewer/PageViewer.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Answers the window's dialogs from scripts and records what it was asked.
class TScriptedDialogs : public TUserDialogs {
public:
    std::deque<std::optional<std::string>> Paths;
    std::deque<bool> Answers;
    std::vector<const TFileDialog*> FileDialogs;
    std::vector<std::string> Questions;
    std::vector<std::string> Errors;

    std::optional<std::string> Execute(QWidget*, const TFileDialog& dialog) override {
        FileDialogs.push_back(&dialog);
        std::optional<std::string> path = Paths.front();
        Paths.pop_front();
        return path;
    }
    bool AskYesNo(QWidget*, const std::string& caption, const std::string& text) override {
        Questions.push_back(caption + ": " + text);
        bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ShowError(QWidget*, const std::string& message) override { Errors.push_back(message); }
    bool HasDefaultPrinter() override { return DefaultPrinter; }
    std::unique_ptr<QPrinter> ExecutePrintDialog(QWidget*) override {
        ++PrintDialogs;
        if (PrintToFile.empty()) return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(PrintToFile));
        return printer;
    }

    bool DefaultPrinter = false;
    std::string PrintToFile;  // what the print dialog chooses; empty cancels it
    int PrintDialogs = 0;
};

class CodelumeFTest : public ::testing::Test {
protected:
    TScriptedDialogs Dialogs;
    TCodelumeF Window{Dialogs};
    TTempDir Dir;

    static void Click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void ShowActive() {
        Window.show();
        Window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    }
    std::string Dest() const { return Window.EditDest->text().toStdString(); }

    void ChooseSource(const std::string& path) {
        Dialogs.Paths.push_back(path);
        Click(Window.btnInput);
    }
    // Writes a source into the temporary folder, selects and converts it.
    std::string Convert(const std::string& name, const std::string& text) {
        WriteWholeFile(Dir.File(name), text);
        ChooseSource(Dir.File(name));
        Click(Window.btnHTML);
        return Dest();
    }
};

TEST_F(CodelumeFTest, StartsWithEmptyFieldsEnabledButtonsAndTheTitleCard) {
    EXPECT_TRUE(Window.EditSource->text().isEmpty());
    EXPECT_TRUE(Window.EditDest->text().isEmpty());
    EXPECT_TRUE(Window.EditSource->isReadOnly());
    for (QToolButton* button :
         {Window.btnInput, Window.btnHTML, Window.doDest, Window.btnOpen, Window.btnPrint})
        EXPECT_TRUE(button->isEnabled()) << button->toolTip().toStdString();
    EXPECT_THAT(Window.ShadowLabel1->Caption().toStdString(),
                HasSubstr("\r\nPascal Source to HTML Converter\r\nby "));
    EXPECT_EQ(Window.ImageList1.size(), 5u);
}

TEST_F(CodelumeFTest, ResizingKeepsBarsOnTopTheViewerBelowAndTheTitleCardInPlace) {
    Window.show();
    QPoint card = Window.ShadowLabel1->pos();
    Window.resize(900, 700);
    Window.layout()->activate();
    int top = Window.ToolBar1->height() + Window.Panel1->height();
    EXPECT_EQ(Window.ToolBar1->geometry(), QRect(0, 0, 900, Window.ToolBar1->height()));
    EXPECT_EQ(Window.Panel1->geometry(),
              QRect(0, Window.ToolBar1->height(), 900, Window.Panel1->height()));
    EXPECT_EQ(Window.Viewer->geometry(), QRect(0, top, 900, 700 - top));
    EXPECT_EQ(Window.ShadowLabel1->pos(), card);
}

TEST_F(CodelumeFTest, SelectSourceProposesTheDestination) {
    struct TCase {
        const char* Source;
        const char* Destination;
    };
    for (TCase row :
         {TCase{"/src/Unit1.pas", "/src/Unit1_pas.HTM"}, TCase{"Project1.dpr", "Project1_dpr.HTM"},
          TCase{"Form1.dfm", "Form1_dfm.HTM"}, TCase{"Page.html", "Page_htm.HTM"},
          TCase{"/src/README", "/src/README_.HTM"},
          TCase{"/src/my.dir/README", "/src/my.dir/README_.HTM"}}) {
        SCOPED_TRACE(row.Source);
        ChooseSource(row.Source);
        EXPECT_EQ(Window.EditSource->text().toStdString(), row.Source);
        EXPECT_EQ(Dest(), row.Destination);
        EXPECT_FALSE(Window.btnOpen->isEnabled());
        // The program's FILE argument goes the same way, without the dialog.
        Window.EditDest->clear();
        Window.SelectSource(row.Source);
        EXPECT_EQ(Window.EditSource->text().toStdString(), row.Source);
        EXPECT_EQ(Dest(), row.Destination);
    }
    EXPECT_EQ(Dialogs.FileDialogs.size(), 6u);
    EXPECT_EQ(Dialogs.FileDialogs.front(), &Window.OpenDialog1);
}

TEST_F(CodelumeFTest, ToolbarShortcutsAreNamedInTheTooltipsAndWork) {
    struct TCase {
        QToolButton* Button;
        const char* ToolTip;
        QKeySequence Key;
    };
    for (const TCase& row :
         {TCase{Window.btnInput, "Select Pascal Source (Ctrl+O)", QKeySequence("Ctrl+O")},
          TCase{Window.btnHTML, "Convert Pascal to HTML (Ctrl+Return)",
                QKeySequence("Ctrl+Return")},
          TCase{Window.doDest, "Select Destination (Ctrl+S)", QKeySequence("Ctrl+S")},
          TCase{Window.btnOpen, "Preview HTML (F5)", QKeySequence("F5")},
          TCase{Window.btnPrint, "Print HTML (Ctrl+P)", QKeySequence("Ctrl+P")}}) {
        SCOPED_TRACE(row.ToolTip);
        EXPECT_EQ(row.Button->toolTip().toStdString(), row.ToolTip);
        EXPECT_EQ(row.Button->shortcut(), row.Key);
    }
    ShowActive();
    Dialogs.Paths = {std::nullopt, std::nullopt};
    QTest::keyClick(Window.windowHandle(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(Window.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(Window.windowHandle(), Qt::Key_Return, Qt::ControlModifier);
    // A shortcut clicks its button after a short animation.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Dialogs.Errors.empty(); }));
    EXPECT_THAT(Dialogs.FileDialogs, ElementsAre(&Window.OpenDialog1, &Window.SaveDialog1));
    EXPECT_THAT(Dialogs.Errors, ElementsAre("Cannot create file  (No such file or directory)"));
}

TEST_F(CodelumeFTest, WindowCarriesTheApplicationIcon) {
    QList<QSize> sizes = Window.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}

TEST_F(CodelumeFTest, SelectDestinationSetsTheFieldUnlessCancelled) {
    Dialogs.Paths = {"/out/page.htm", std::nullopt, std::nullopt};
    Click(Window.doDest);
    EXPECT_EQ(Dialogs.FileDialogs.back(), &Window.SaveDialog1);
    EXPECT_EQ(Dest(), "/out/page.htm");
    EXPECT_FALSE(Window.btnOpen->isEnabled());
    Click(Window.doDest);
    Click(Window.btnInput);
    EXPECT_EQ(Dest(), "/out/page.htm");
    EXPECT_TRUE(Window.EditSource->text().isEmpty());
}

TEST(NameFilters, GivesQtFiltersForBothDialogs) {
    TScriptedDialogs dialogs;
    TCodelumeF window(dialogs);
    EXPECT_THAT(NameFilters(window.OpenDialog1.Filter),
                ElementsAre("Pascal unit (*.pas)", "Delphi project file (*.dpr)",
                            "Delphi form file (*.dfm)", "Delphi package source file (*.dpk)",
                            "Pascal sources (*.pas *.pp *.inc *.dpr *.lpr *.dpk)",
                            "Form files (*.dfm *.lfm *.xfm *.fmx)", "All files (*)"));
    EXPECT_THAT(NameFilters(window.SaveDialog1.Filter), ElementsAre("HTML Files (*.htm *.html)"));
}

TEST_F(CodelumeFTest, ConvertRightAfterStartReportsTheEmptyDestination) {
    Click(Window.btnHTML);
    EXPECT_THAT(Dialogs.Errors, ElementsAre("Cannot create file  (No such file or directory)"));
    EXPECT_THAT(Dialogs.Questions, IsEmpty());
    EXPECT_TRUE(Window.btnOpen->isEnabled());
}

TEST_F(CodelumeFTest, ConvertOfAUnitWritesThePageAndEnablesPreview) {
    std::string page = Convert("Unit1.pas", "unit Unit1;\r\ninterface\r\nend.\r\n");
    EXPECT_THAT(Dialogs.Errors, IsEmpty());
    EXPECT_EQ(page, Dir.File("Unit1_pas.HTM"));
    EXPECT_THAT(ReadWholeFile(page), HasSubstr("<B>unit</B> Unit1;"));
    EXPECT_TRUE(Window.btnOpen->isEnabled());
    EXPECT_FALSE(Window.Viewer->isHidden());
    EXPECT_EQ(Window.Viewer->LoadedPath(), page);
    EXPECT_EQ(Window.Viewer->PageTitle(), "File: Unit1.pas");
}

TEST_F(CodelumeFTest, SecondConvertAsksAndNoKeepsTheFileAndTheViewer) {
    std::string page = Convert("Unit1.pas", "unit Unit1;\r\n");
    WriteWholeFile(page, "<title>old page</title>");
    Dialogs.Answers = {false};
    Click(Window.btnHTML);
    EXPECT_THAT(Dialogs.Questions,
                ElementsAre("Confirm: Overwrite the existing file " + page + "?"));
    EXPECT_EQ(ReadWholeFile(page), "<title>old page</title>");
    EXPECT_EQ(Window.Viewer->PageTitle(), "File: Unit1.pas");
    Dialogs.Answers = {true};
    Click(Window.btnHTML);
    EXPECT_THAT(ReadWholeFile(page), HasSubstr("<B>unit</B>"));
}

TEST_F(CodelumeFTest, TypingInTheDestinationDisablesPreviewAndKeepsThePage) {
    std::string page = Convert("Unit1.pas", "unit Unit1;\r\n");
    ASSERT_TRUE(Window.btnOpen->isEnabled());
    QTest::keyClicks(Window.EditDest, "x");
    EXPECT_FALSE(Window.btnOpen->isEnabled());
    EXPECT_EQ(Window.Viewer->LoadedPath(), page);
}

TEST_F(CodelumeFTest, PreviewBeforeAnyConversionShowsNothing) {
    Click(Window.btnOpen);
    EXPECT_TRUE(Window.Viewer->LoadedPath().empty());
    WriteWholeFile(Dir.File("page.htm"), "<title>Page</title>");
    Window.EditDest->setText(QString::fromStdString(Dir.File("page.htm")));
    Window.BtnOpenClick();
    EXPECT_EQ(Window.Viewer->PageTitle(), "Page");
    EXPECT_TRUE(Window.Viewer->isHidden());
    EXPECT_THAT(Dialogs.Errors, IsEmpty());
}

// With nothing to print no job starts, so not even a missing printer matters.
TEST_F(CodelumeFTest, PrintWithAnEmptyViewerDoesNothing) {
    Click(Window.btnPrint);
    EXPECT_THAT(Dialogs.Errors, IsEmpty());
    EXPECT_EQ(Dialogs.PrintDialogs, 0);
    EXPECT_TRUE(Window.Viewer->isHidden());
}

TEST_F(CodelumeFTest, TextAndBinaryFormsConvertWhateverTheirCase) {
    TFormWriter form;
    form.Object("TForm1", "Form1").End().End();
    const std::pair<std::string, std::string> rows[] = {
        {"Text.dfm", "object Form1: TForm1\r\nend\r\n"},
        {"Main.lfm", "object Form1: TForm1\nend\n"},
        {"FORM1.DFM", WrapInResource("TFORM1", form.Data())},
    };
    for (const auto& [name, bytes] : rows) {
        SCOPED_TRACE(name);
        std::string page = Convert(name, bytes);
        EXPECT_THAT(Dialogs.Errors, IsEmpty());
        EXPECT_THAT(ReadWholeFile(page), HasSubstr("<B>object</B> Form1: TForm1\r\n<B>end</B>"));
        EXPECT_EQ(Window.Viewer->LoadedPath(), page);
    }
}

TEST_F(CodelumeFTest, WithoutADefaultPrinterPrintAsksWhereToPrint) {
    Convert("Unit1.pas", "unit Unit1;\r\n");
    Click(Window.btnPrint);
    EXPECT_EQ(Dialogs.PrintDialogs, 1);
    Dialogs.PrintToFile = Dir.File("Unit1.pdf");
    Click(Window.btnPrint);
    EXPECT_EQ(Dialogs.PrintDialogs, 2);
    EXPECT_THAT(Dialogs.Errors, IsEmpty());
    EXPECT_THAT(ReadWholeFile(Dialogs.PrintToFile), ::testing::StartsWith("%PDF"));
    EXPECT_FALSE(std::filesystem::exists(Dialogs.PrintToFile + ".part"));
}

TEST_F(CodelumeFTest, TokenizerErrorLeavesThePageAndTheWindowAsTheyWere) {
    std::string page = Convert("Unit1.pas", "unit Unit1;\r\n");
    std::string firstPage = ReadWholeFile(page);
    WriteWholeFile(Dir.File("Unit1.pas"), "s := 'open\r\n");
    Dialogs.Answers = {true};
    Click(Window.btnHTML);
    EXPECT_THAT(Dialogs.Errors, ElementsAre("Invalid string constant on line 1"));
    EXPECT_EQ(ReadWholeFile(page), firstPage);
    EXPECT_EQ(Window.Viewer->PageTitle(), "File: Unit1.pas");
    EXPECT_EQ(Dest(), page);
    EXPECT_TRUE(Window.btnOpen->isEnabled());
}

// Convert and Print to file on a full disk or past the file size limit: the
// error is shown, the old file is kept and nothing partial is left.
TEST_F(CodelumeFTest, AFailingDiskKeepsTheOldPageAndPdf) {
    std::string text;
    for (int line = 0; line < 2000; ++line)
        text += "begin Writeln('line " + std::to_string(line) + "') end;\r\n";
    Convert("Big.pas", text);
    ASSERT_THAT(Dialogs.Errors, IsEmpty());
    TTinyDisk disk(8);
    struct TFailure {
        const char* Reason;
        std::string Folder;
        rlim_t Limit;
    };
    std::vector<TFailure> failures = {{"File too large", Dir.File("limited"), 4096}};
    std::filesystem::create_directory(failures[0].Folder);
    if (disk.Mounted()) failures.push_back({"No space left on device", disk.Path().string(), 0});
    for (const TFailure& failure : failures) {
        SCOPED_TRACE(failure.Reason);
        std::string page = failure.Folder + "/Big_pas.HTM";
        std::string pdf = failure.Folder + "/Big.pdf";
        WriteWholeFile(page, "old");
        WriteWholeFile(pdf, "old");
        Window.EditDest->setText(QString::fromStdString(page));
        Dialogs.Answers = {true};
        Dialogs.PrintToFile = pdf;
        Dialogs.Errors.clear();
        std::optional<TFileSizeLimit> limit;
        if (failure.Limit != 0) limit.emplace(failure.Limit);
        Click(Window.btnHTML);
        Click(Window.btnPrint);
        limit.reset();
        EXPECT_THAT(Dialogs.Errors,
                    ElementsAre("Cannot write file " + page + " (" + failure.Reason + ")",
                                "Cannot write file " + pdf + " (" + failure.Reason + ")"));
        EXPECT_EQ(ReadWholeFile(page), "old");
        EXPECT_EQ(ReadWholeFile(pdf), "old");
        EXPECT_THAT(FilesIn(failure.Folder), ElementsAre("Big.pdf", "Big_pas.HTM"));
    }
}

}  // namespace
}  // namespace codelume
