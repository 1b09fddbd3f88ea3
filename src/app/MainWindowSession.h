#pragma once

#include "devices/DeviceState.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/PortMap.h"
#include "modem/SendOptions.h"
#include "recipients/RecipientList.h"
#include "sending/DeliveryTracker.h"
#include "sending/ModemChannelTable.h"
#include "sending/ModemSubmitter.h"
#include "sending/PortProbe.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"
#include "sending/SendingContext.h"
#include "sending/SentItemsDeliverySource.h"
#include "sending/SentTemplates.h"
#include "stores/DeliveryReportStore.h"
#include "stores/ExclusionSet.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"

class Clock;
class DataFolder;

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

    // A sending run's view of all this; the run takes its own snapshot of the exclusion set.
    SendingContext sendingContext(Prompter& prompter, RunHost* host,
                                  ProcessStatusExport* exports = nullptr);

    // The templates reload of Send: the file error text when the file cannot be opened.
    std::optional<QString> reloadSentTemplates();

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
    ModemChannelTable m_channels; // last: the table is made once everything else stands
};
