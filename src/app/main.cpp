// varnel: the configuration utility of the keyboard. It lives in the tray; the
// main window opens when a keyboard is found at start, or from the tray.
#include <QApplication>

#include "app/CVarnelApp.h"
#include "settings/AppPaths.h"

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    CVarnelApp varnel(app::runningAppPaths(), mainwindow::MainWindowEnvironment::product());
    return varnel.run(arguments);
}
