#pragma once

#include "stores/ExclusionSet.h"

#include <QDate>
#include <QString>
#include <functional>

class Clock;
class DeviceState;
class MessageSubmitter;
class ModemChannelTable;
class Prompter;
class RecipientList;
class RunState;
class SentItemStore;
class SentTemplates;
class StatusExporter;
struct RunOptions;

// What the main window does for a sending run besides holding its data.
class RunHost
{
public:
    virtual ~RunHost() = default;
    // "Clear all fields after sending SMS": called from the run's finishing thread.
    virtual void clearMainWindowFields() = 0;
};

// Everything a sending run works with. All of it is owned elsewhere, mostly by the main
// window, and outlives the run.
struct SendingContext
{
    RunState& state;
    RunOptions& options;
    DeviceState& devices;
    ModemChannelTable& channels;
    MessageSubmitter& submitter;
    const Clock& clock;
    Prompter& prompter;
    const RecipientList& recipients;
    ExclusionSet exclusions; // the run checks against its own snapshot
    SentItemStore* sentItems = nullptr;
    SentTemplates* templates = nullptr;
    StatusExporter* exporter = nullptr;
    RunHost* host = nullptr;
    // Diagnostic texts; they carry no behaviour. Null: dropped.
    std::function<void(const QString&)> trace;
};
