#include "app/ExitSequence.h"
#include "app/ProgramFolder.h"
#include "app/QuillonApp.h"
#include "app/Translations.h"
#include "app/ui/AppIcons.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MainWindowWiring.h"
#include "base/Clock.h"
#include "recipients/ui/ExcelTemplateImport.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

namespace {

// An installed copy shows the icon installed into its prefix's hicolor theme, the one the
// desktop entry names; a copy run from its build draws the built-in one.
QString installedIconPath()
{
    const QString prefix =
        InstallPrefixOf(ProgramFolderOf(QCoreApplication::applicationFilePath()));
    const QString svg = prefix + "/share/icons/hicolor/scalable/apps/org.quillon.Quillon.svg";
    return !prefix.isEmpty() && QFileInfo(svg).isFile() ? svg : QString();
}

// "--quit-after-start" shows the window and leaves at once, saying where the data went and
// which icon was found: the install check starts an installed copy this way.
void quitAfterStart(QDialog& window, const CQuillonApp& app)
{
    QTimer::singleShot(0, &window, [&window, &app] {
        const QString icon = installedIconPath();
        QTextStream(stdout) << "data folder: " << app.dataFolder().folder()
                            << "\nicon: " << (icon.isEmpty() ? QStringLiteral("built-in") : icon)
                            << '\n';
        window.done(0);
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    InstallTranslations(application, ProgramFolderOf(QCoreApplication::applicationFilePath()));
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationDisplayName(QStringLiteral("KORV Quillon"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.quillon.Quillon"));
    const QString installedIcon = installedIconPath();
    QApplication::setWindowIcon(installedIcon.isEmpty() ? ProgramIcon() : QIcon(installedIcon));

    CQuillonApp app(StartupEnvironment::ofThisProcess(), Clock::system());
    SystemProcessTable processes;
    ExcelTemplateImport templateImport; // outlives the window that uses it
    CKORV_QuillonDlg window(app, processes);
    window.setHooks(MakeMainWindowHooks(&templateImport));
    window.show();
    window.raise();
    window.activateWindow();
    if (QApplication::arguments().contains(QStringLiteral("--quit-after-start")))
        quitAfterStart(window, app);
    window.exec();
    return 0;
}
