#pragma once

#include "devices/DeviceState.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/PortMap.h"
#include "modem/SendOptions.h"
#include "recipients/RecipientList.h"
#include "sending/DeliveryTracker.h"
#include "sending/InboxModemSource.h"
#include "sending/JournalRecorder.h"
#include "sending/ModemChannelTable.h"
#include "sending/ModemSubmitter.h"
#include "sending/OptOutWatch.h"
#include "sending/PortProbe.h"
#include "sending/ResumePlan.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"
#include "sending/SendingContext.h"
#include "sending/SentItemsDeliverySource.h"
#include "sending/SentTemplates.h"
#include "stores/DeliveryReportStore.h"
#include "stores/ExclusionSet.h"
#include "stores/InboxStore.h"
#include "stores/OptOutReplies.h"
#include "stores/RunJournal.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"

#include <future>

class Clock;
class DataFolder;

// The run journal as the window found it when it opened, with the sent-items records written
// since that run began (to tell which of its rows' records are in the log already).
struct JournalAtStart
{
    RunJournalContent journal;
    std::vector<SentItem> sentItemsSinceBegin;
};

// What the main window holds for the length of the run and hands to the parts that act on it:
// the recipient list, the options the sending side reads, the device lists, the 32 modem
// channels and the stores.
class MainWindowSession
{
public:
    MainWindowSession(const DataFolder& data, const Clock& clock,
                      PortMap ports = PortMap::fromEnvironment());
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    const DataFolder& data() const { return m_data; }
    const Clock& clock() const { return m_clock; }
    const PortMap& ports() const { return m_ports; }
    RecipientList& recipients() { return m_recipients; }
    ExclusionSet& exclusions() { return m_exclusions; }
    RunState& runState() { return m_runState; }
    RunOptions& runOptions() { return m_runOptions; }
    SendOptions& sendOptions() { return m_sendOptions; }
    DeviceState& devices() { return m_devices; }
    ModemChannelTable& channels() { return m_channels; }
    MessageSubmitter& submitter() { return m_submitter; }
    PortProbe& probe() { return m_probe; }
    SentItemStore& sentItems() { return m_sentItems; }
    TemplateStore& templateStore() { return m_templateStore; }
    SentTemplates& sentTemplates() { return m_sentTemplates; }
    SentItemsDeliveries& sentItemDeliveries() { return m_sentItemDeliveries; }
    InboxStore& inbox() { return m_inbox; }
    InboxModemReader& inboxReader() { return m_inboxReader; }
    // "Add numbers that reply STOP to an exclusion list", as the next run reads it.
    void setOptOut(const OptOutSettings& settings) { m_optOut = settings; }
    const OptOutSettings& optOut() const { return m_optOut; }

    // A sending run's view of all this; the run takes its own snapshot of the exclusion set.
    SendingContext sendingContext(Prompter& prompter, RunHost* host,
                                  ProcessStatusExport* exports = nullptr);

    // The templates reload of Send: the file error text when the file cannot be opened.
    std::optional<QString> reloadSentTemplates();

    // The journal as the window found it. It is read on a thread of its own from the
    // session's start; this waits for that reading.
    const JournalAtStart& journalAtStart();
    // Takes up the unfinished run of journalAtStart(): its rows replace the recipient list,
    // and the next Send resumes it while the list still holds exactly those rows (rows with an
    // outcome keep it, rows whose submission was cut into are marked unknown unless
    // resendUnknown). False when there is no unfinished run.
    bool resumeRun(bool resendUnknown = false);
    // The unfinished run is not taken up: the journal says so and stays for its export.
    bool setRunAside(FileError* error = nullptr);
    // The rows of the last run as its status export writes them; empty when no run has a
    // journal.
    std::vector<ProcessStatusRow> lastRunRows() const;

private:
    const DataFolder& m_data;
    const Clock& m_clock;
    PortMap m_ports;
    RecipientList m_recipients;
    ExclusionSet m_exclusions;
    RunState m_runState;
    RunOptions m_runOptions;
    SendOptions m_sendOptions;
    DeviceState m_devices;
    ConcatReferenceCounter m_references;
    ModemSubmitter m_submitter;
    SerialPortProbe m_probe;
    SentItemStore m_sentItems;
    TemplateStore m_templateStore;
    SentTemplates m_sentTemplates;
    DeliveryReportStore m_reportStore;
    SentItemsDeliverySource m_sentItemDeliveries;
    // The reports of the last run that asked for them; replaced when the next run starts.
    std::unique_ptr<DeliveryTracker> m_deliveries;
    RunJournal m_journal;
    std::future<JournalAtStart> m_journalReading;
    std::optional<JournalAtStart> m_journalAtStart;
    std::optional<ResumePlan> m_resume;      // taken up by the next Send
    std::optional<ResumePlan> m_runningPlan; // the plan of the run under way
    std::unique_ptr<JournalRecorder> m_recorder;
    InboxStore m_inbox;
    InboxModemSource m_inboxReader;
    OptOutSettings m_optOut;
    // The replies of the last run that read them; replaced when the next run starts.
    std::unique_ptr<OptOutWatch> m_optOutWatch;
    ModemChannelTable m_channels; // last: the table is made once everything else stands
};
