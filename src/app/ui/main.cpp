#include "app/ExitSequence.h"
#include "app/QuillonApp.h"
#include "app/ui/MainWindow.h"
#include "modem/Clock.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationDisplayName(QStringLiteral("KORV Quillon"));

    CQuillonApp app(StartupEnvironment::ofThisProcess(), Clock::system());
    SystemProcessTable processes;
    CKORV_QuillonDlg window(app, processes);
    window.show();
    window.raise();
    window.activateWindow();
    window.exec();
    return 0;
}
