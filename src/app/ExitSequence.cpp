#include "app/ExitSequence.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/types.h>

QList<qint64> SystemProcessTable::processesNamed(const QString& name) const
{
    QList<qint64> pids;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        QFile comm(proc.filePath(entry + "/comm"));
        if (comm.open(QIODevice::ReadOnly) && QString::fromUtf8(comm.readAll()).trimmed() == name)
            pids.append(pid);
    }
    return pids;
}

void SystemProcessTable::forceEnd(qint64 pid)
{
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

QStringList ScratchFileNames()
{
    return {QStringLiteral("message.txt"), QStringLiteral("korvsms.txt"),
            QStringLiteral("myfile.txt"),  QStringLiteral("myfilet.txt"),
            QStringLiteral("myfiles.txt"), QStringLiteral("build.prop")};
}

void RunExitSequence(const QString& programFolder, ProcessTable& processes)
{
    for (const qint64 pid : processes.processesNamed(QStringLiteral("adb.exe")))
        processes.forceEnd(pid);
    for (const QString& name : ScratchFileNames())
        QFile::remove(programFolder + u'/' + name);
}
