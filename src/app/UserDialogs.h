// The window's standard dialogs behind a small interface, so the window can be
// driven without a person: a file dialog, the Yes/No question, the error box
// and the choice of a printer.
#pragma once

#include <memory>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace codelume {

// The settings of a file-open or file-save dialog. Filter holds pairs of
// description and pattern separated by vertical bars; patterns within one
// entry are separated by semicolons.
struct TFileDialog {
    enum class TKind { fdOpen, fdSave };
    TKind Kind;
    std::string Filter;
    std::string DefaultExt;
};

class TUserDialogs {
public:
    virtual ~TUserDialogs() = default;

    // Each dialog is modal over the window that asks. Execute returns the
    // chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> Execute(QWidget* window, const TFileDialog& dialog) = 0;
    // A question with Yes (the default) and No, where Escape answers No;
    // false only for No.
    virtual bool AskYesNo(QWidget* window, const std::string& caption, const std::string& text) = 0;
    virtual void ShowError(QWidget* window, const std::string& message) = 0;
    // Whether the system has a default printer, which Print uses without asking.
    virtual bool HasDefaultPrinter() = 0;
    // The print dialog, which also offers printing to a PDF file: the printer
    // as set up there, or nothing when the user cancels.
    virtual std::unique_ptr<QPrinter> ExecutePrintDialog(QWidget* window) = 0;
};

}  // namespace codelume
