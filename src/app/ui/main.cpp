#include "app/ExitSequence.h"
#include "app/QuillonApp.h"
#include "app/ui/AppIcons.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MainWindowWiring.h"
#include "modem/Clock.h"
#include "recipients/ui/ExcelTemplateImport.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationDisplayName(QStringLiteral("KORV Quillon"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.quillon.Quillon"));
    QApplication::setWindowIcon(ProgramIcon());

    CQuillonApp app(StartupEnvironment::ofThisProcess(), Clock::system());
    SystemProcessTable processes;
    ExcelTemplateImport templateImport; // outlives the window that uses it
    CKORV_QuillonDlg window(app, processes);
    window.setHooks(MakeMainWindowHooks(&templateImport));
    window.show();
    window.raise();
    window.activateWindow();
    window.exec();
    return 0;
}
