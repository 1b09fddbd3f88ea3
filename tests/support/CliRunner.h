#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// What a run of a command-line tool left: its exit code (-1 when it did not finish or did not
// exit normally), standard output and standard error.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Environment variables set for a tool on top of the test's own.
using CliVariables = std::vector<std::pair<QString, QString>>;

// Test programs are built in build/tests, quillon-cli in build/cli.
inline QString quillonCliPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../cli/quillon-cli");
}

// Starts quillon-cli, for a test that watches the process while it runs.
inline void startCli(QProcess& process, const QStringList& arguments,
                     const CliVariables& variables = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : variables)
        environment.insert(name, value);
    process.setProcessEnvironment(environment);
    process.start(quillonCliPath(), arguments);
}

// Waits (a minute at the most) for a started tool to end and collects what it left.
inline CliRun finishCli(QProcess& process)
{
    CliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline CliRun runCli(const QStringList& arguments, const CliVariables& variables = {})
{
    QProcess process;
    startCli(process, arguments, variables);
    return finishCli(process);
}
