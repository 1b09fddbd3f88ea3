#pragma once

#include <QStringList>

// Exit code of every subcommand for input it refuses.
constexpr int UsageErrorExit = 2;

// A subcommand receives its own argument list, starting with "quillon-cli <name>".
using CliCommandRun = int (*)(const QStringList& arguments);

struct CliCommand
{
    const char* name;
    const char* summary;
    CliCommandRun run;
};

int runPduCommand(const QStringList& arguments);
int runInfoCommand(const QStringList& arguments);
int runSendOneCommand(const QStringList& arguments);
int runImportCommand(const QStringList& arguments);
int runScanCommand(const QStringList& arguments);
int runSendCommand(const QStringList& arguments);
int runPinCommand(const QStringList& arguments);
int runReportsCommand(const QStringList& arguments);
int runEnqueueCommand(const QStringList& arguments);
int runServeCommand(const QStringList& arguments);
int runOutboxCommand(const QStringList& arguments);
int runJournalCommand(const QStringList& arguments);
int runPreviewCommand(const QStringList& arguments);
int runInboxCommand(const QStringList& arguments);
