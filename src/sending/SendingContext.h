#pragma once

#include "exports/ProcessStatusExport.h"
#include "stores/ExclusionSet.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class Clock;
class DeviceState;
class MessageSubmitter;
class ModemChannelTable;
class Prompter;
class RecipientList;
class RunRecorder;
class RunState;
class SentItemStore;
class SentTemplates;
class DeliveryTracker;
class InboxStore;
class OptOutWatch;
class ProcessStatusExport;
class QWidget;
struct ResumePlan;
struct RunOptions;

// What the main window does for a sending run besides holding its data.
class RunHost
{
public:
    virtual ~RunHost() = default;
    // "Clear all fields after sending SMS": called from the run's finishing thread.
    virtual void clearMainWindowFields() = 0;
};

// The status export of a finished run: the exports offer the status choice and write the
// chosen rows on a thread of their own.
class ProcessStatusExport
{
public:
    virtual ~ProcessStatusExport() = default;
    virtual bool isRunning() const = 0;
    // Every row of the run in order; the export filters them by the user's choice.
    virtual void exportStatuses(const std::vector<ProcessStatusRow>& rows, bool withRetry) = 0;
};

// Makes the status export of a sending window, run over that window.
using StatusExportFactory = std::function<std::unique_ptr<ProcessStatusExport>(QWidget* window)>;

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
    ProcessStatusExport* exports = nullptr;
    // Set when the run asks for status reports: the workers set up report routing on their
    // modems, keep each part's reference and hand it the reports their modems print.
    DeliveryTracker* deliveries = nullptr;
    // Where this run's rows start among the tracker's: a tracker that outlives one run after
    // another keeps their rows apart.
    std::int64_t deliveryRowBase = 0;
    // Set when numbers that reply with an opt-out keyword are excluded: the workers have their
    // modems announce new messages, read them between submissions and exclude the senders.
    OptOutWatch* optOut = nullptr;
    // Where the messages a modem hands over without storing them ("+CMT") go, opt-out or not:
    // nothing else holds them, so the workers store (and acknowledge) them between
    // submissions, and so does the polling for late reports. With opt-out it is the watch's
    // store. Null: they are not taken.
    InboxStore* inbox = nullptr;
    RunHost* host = nullptr;
    // Told of every row's submission, outcome and sent-items record, for a journal a crashed
    // run can be taken up again from. Null: nothing is recorded.
    RunRecorder* journal = nullptr;
    // Set for a run taken up again from its journal: the queue starts from these rows, in
    // place of the recipient list's.
    const ResumePlan* resume = nullptr;
    // Diagnostic texts; they carry no behaviour. Null: dropped.
    std::function<void(const QString&)> trace;
};
