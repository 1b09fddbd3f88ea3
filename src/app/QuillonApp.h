#pragma once

#include "base/BusyFlag.h"
#include "stores/DataFolder.h"

#include <QString>

class Clock;

// What start-up reads from the process and its surroundings.
struct StartupEnvironment
{
    QString executablePath;
    QString quillonHome;      // QUILLON_HOME, empty when unset
    QString userDataLocation; // the per-user application data folder

    static StartupEnvironment ofThisProcess();
};

// The application: the program folder every data path hangs from, the data folder, and the
// state shared by all windows and workers. Owned by main() and handed to everything else.
class CQuillonApp
{
public:
    CQuillonApp(const StartupEnvironment& environment, const Clock& clock);

    const QString& programFolder() const { return m_programFolder; }
    const DataFolder& dataFolder() const { return m_dataFolder; }
    BusyFlag& busyFlag() { return m_busyFlag; }
    const Clock& clock() const { return m_clock; }

private:
    QString m_programFolder;
    DataFolder m_dataFolder;
    BusyFlag m_busyFlag;
    const Clock& m_clock;
};
