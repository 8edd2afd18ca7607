#include "app/QtUserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/PathText.h"

namespace codelume {

namespace {

// A description that already names its patterns in brackets is kept as it is.
QString NameFilter(const QString& description, const QString& patterns) {
    QString qtPatterns = QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.endsWith(QLatin1Char('(') + qtPatterns + QLatin1Char(')'))) return description;
    return description + QStringLiteral(" (") + qtPatterns + QLatin1Char(')');
}

// "*.pas" and ".pas" name the suffix "pas".
QString DefaultSuffix(const std::string& defaultExt) {
    QString suffix = QString::fromStdString(defaultExt);
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    return suffix;
}

}  // namespace

QStringList NameFilters(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << NameFilter(parts[i], parts[i + 1]);
    return filters;
}

std::optional<std::string> TQtUserDialogs::Execute(QWidget* window, const TFileDialog& dialog) {
    QFileDialog fileDialog(window);
    bool save = dialog.Kind == TFileDialog::TKind::fdSave;
    fileDialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite);
    fileDialog.setNameFilters(NameFilters(dialog.Filter));
    fileDialog.setDefaultSuffix(DefaultSuffix(dialog.DefaultExt));
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathBytes(fileDialog.selectedFiles().constFirst());
}

bool TQtUserDialogs::AskYesNo(QWidget* window, const std::string& caption,
                              const std::string& text) {
    QMessageBox box(QMessageBox::Question, PathText(caption), PathText(text),
                    QMessageBox::Yes | QMessageBox::No, window);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() != QMessageBox::No;
}

// The box carries the main window's caption, as the application's title.
void TQtUserDialogs::ShowError(QWidget* window, const std::string& message) {
    QMessageBox::critical(window, window->window()->windowTitle(), PathText(message));
}

bool TQtUserDialogs::HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

// Every page is printed, so the dialog offers no page range.
std::unique_ptr<QPrinter> TQtUserDialogs::ExecutePrintDialog(QWidget* window) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), window);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

}  // namespace codelume
