// codelume [FILE]: the desktop program. The keyword tables are constant data,
// so start-up only reads the command line, builds the window and runs the
// message loop until it closes.
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/CodelumeF.h"
#include "app/PathText.h"
#include "app/QtUserDialogs.h"
#include "app/StartArguments.h"

namespace {

constexpr int ExitUsage = 2;

// The arguments Qt has left after taking its own, as byte strings.
std::vector<std::string> ArgumentsAfterQt() {
    QStringList arguments = QCoreApplication::arguments();
    std::vector<std::string> bytes;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        bytes.push_back(codelume::PathBytes(arguments[i]));
    return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace codelume;
    if (auto information = StartInformation(std::vector<std::string>(argv + 1, argv + argc))) {
        std::fputs(information->c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("codelume"));
    QApplication::setApplicationVersion(QStringLiteral(CODELUME_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("codelume"));
    std::optional<std::string> source;
    try {
        source = StartSource(ArgumentsAfterQt());
    } catch (const EStartUsage& error) {
        std::fprintf(stderr, "codelume: %s (see codelume --help)\n", error.what());
        return ExitUsage;
    }
    TQtUserDialogs dialogs;
    TCodelumeF CodelumeF(dialogs);
    if (source) CodelumeF.SelectSource(*source);
    CodelumeF.show();
    return QApplication::exec();
}
