#include "exports/FileOpenerProcess.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

bool RunFileOpener(const QString& program, const QString& path, int patienceMs)
{
    // Owned by itself from here: an opener still running after the wait must not be killed.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments({path});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError e) {
                         if (e == QProcess::FailedToStart)
                             process->deleteLater();
                     });

    QEventLoop loop;
    enum class End
    {
        Waiting,
        Succeeded,
        Failed
    } end = End::Waiting;
    QObject::connect(
        process, &QProcess::finished, &loop, [&](int code, QProcess::ExitStatus status) {
            end = status == QProcess::NormalExit && code == 0 ? End::Succeeded : End::Failed;
            loop.quit();
        });
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            end = End::Failed;
            loop.quit();
        }
    });
    QTimer::singleShot(patienceMs, &loop, &QEventLoop::quit);
    process->start();
    // The window keeps painting meanwhile, but takes no clicks that could open the file again.
    if (end == End::Waiting)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (end == End::Waiting) {
        // Still running: it has the file in hand.
        QObject::disconnect(process, nullptr, &loop, nullptr);
        return true;
    }
    return end == End::Succeeded;
}
