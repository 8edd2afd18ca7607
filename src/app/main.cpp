// codelume: the desktop program. The keyword tables are constant data, so
// start-up only builds the window and runs the message loop until it closes.
#include <QApplication>

#include "app/CodelumeF.h"
#include "app/QtUserDialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    codelume::TQtUserDialogs dialogs;
    codelume::TCodelumeF CodelumeF(dialogs);
    CodelumeF.show();
    return application.exec();
}
