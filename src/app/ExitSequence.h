#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The running processes, as far as the exit sequence needs them.
class ProcessTable
{
public:
    virtual ~ProcessTable() = default;
    virtual QList<qint64> processesNamed(const QString& name) const = 0;
    virtual void forceEnd(qint64 pid) = 0;
};

// Reads /proc; ends a process with SIGKILL.
class SystemProcessTable : public ProcessTable
{
public:
    QList<qint64> processesNamed(const QString& name) const override;
    void forceEnd(qint64 pid) override;
};

// The files other tools leave in the program folder, removed at exit.
QStringList ScratchFileNames();

// Ends any "adb.exe" process and deletes the scratch files that exist in the program folder.
void RunExitSequence(const QString& programFolder, ProcessTable& processes);
