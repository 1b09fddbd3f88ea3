#include "app/QuillonApp.h"

#include "app/FileSizeSignal.h"
#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>

StartupEnvironment StartupEnvironment::ofThisProcess()
{
    return {QCoreApplication::applicationFilePath(), qEnvironmentVariable("QUILLON_HOME"),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

CQuillonApp::CQuillonApp(const StartupEnvironment& environment, const Clock& clock)
    : m_programFolder(ProgramFolderOf(environment.executablePath)),
      m_dataFolder(ChooseBaseDirectory(m_programFolder, environment.quillonHome,
                                       environment.userDataLocation)),
      m_clock(clock)
{
    IgnoreFileSizeSignal();
    m_dataFolder.EnsureDataFolder();
    m_dataFolder.RemoveLeftoverRewrites();
}
