// The window's dialogs as Qt shows them: QFileDialog, QMessageBox and QPrintDialog.
#pragma once

#include <QStringList>

#include "app/UserDialogs.h"

namespace codelume {

class TQtUserDialogs : public TUserDialogs {
public:
    std::optional<std::string> Execute(QWidget* window, const TFileDialog& dialog) override;
    bool AskYesNo(QWidget* window, const std::string& caption, const std::string& text) override;
    void ShowError(QWidget* window, const std::string& message) override;
    bool HasDefaultPrinter() override;
    std::unique_ptr<QPrinter> ExecutePrintDialog(QWidget* window) override;
};

// "Pascal unit (*.pas)|*.pas|Web page|*.htm;*.html" in Qt's form:
// "Pascal unit (*.pas)" and "Web page (*.htm *.html)".
QStringList NameFilters(const std::string& filter);

}  // namespace codelume
