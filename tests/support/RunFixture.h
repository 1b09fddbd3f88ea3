#pragma once

#include "base/Clock.h"
#include "devices/DeviceState.h"
#include "modem/CSMSException.h"
#include "recipients/RecipientList.h"
#include "sending/DeliveryTracker.h"
#include "sending/MessageSubmitter.h"
#include "sending/ModemChannelTable.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"
#include "sending/SendingRun.h"
#include "sending/SentTemplates.h"
#include "stores/DataFolder.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"
#include "support/QtPrinters.h"
#include "support/RecordingChannel.h"
#include "support/ScriptedPrompter.h"
#include "support/SimulatedModems.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <vector>

// One thing that happened during a run, in the order the threads reported it.
struct RunEvent
{
    enum Kind
    {
        Submission,
        Trace
    } kind;
    int port = 0;
    int mode = 0;
    QString number;
    QString text; // the message, or the trace text
};

// Submits nothing: each call is recorded and answered by the test's behaviour for the port
// (default: sent).
class FakeSubmitter : public MessageSubmitter
{
public:
    using Behaviour = std::function<SubmitOutcome(int port, const SendRequest&, int attempt)>;

    explicit FakeSubmitter(std::vector<RunEvent>& events, std::mutex& mutex)
        : m_events(events), m_mutex(mutex)
    {}

    void behave(int port, Behaviour behaviour) { m_behaviours[port] = std::move(behaviour); }

    SubmitOutcome submit(ModemChannel&, int port, int mode, const SendRequest& message,
                         const std::function<bool()>&) override
    {
        int attempt = 0;
        {
            std::lock_guard lock(m_mutex);
            m_events.push_back({RunEvent::Submission, port, mode, message.number, message.text});
            attempt = ++m_attempts[port];
        }
        const auto it = m_behaviours.find(port);
        return it == m_behaviours.end() ? SubmitOutcome::Sent : it->second(port, message, attempt);
    }

private:
    std::vector<RunEvent>& m_events;
    std::mutex& m_mutex;
    std::map<int, Behaviour> m_behaviours;
    std::map<int, int> m_attempts;
};

// Records each submission and hands it on to the real senders, keeping what each one wrote to
// its modem.
class RecordingSubmitter : public MessageSubmitter
{
public:
    struct Conversation
    {
        int port = 0;
        QList<QByteArray> written; // one entry per command, see RecordingChannel
    };

    RecordingSubmitter(MessageSubmitter& inner, std::vector<RunEvent>& events, std::mutex& mutex)
        : m_inner(inner), m_events(events), m_mutex(mutex)
    {}

    SubmitOutcome submit(ModemChannel& channel, int port, int mode, const SendRequest& request,
                         const std::function<bool()>& stop) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_events.push_back({RunEvent::Submission, port, mode, request.number, request.text});
        }
        RecordingChannel recorded(channel);
        const auto keep = [&] {
            std::lock_guard lock(m_mutex);
            m_conversations.push_back({port, recorded.transcript()});
        };
        try {
            const SubmitOutcome outcome = m_inner.submit(recorded, port, mode, request, stop);
            keep();
            return outcome;
        } catch (...) {
            keep();
            throw;
        }
    }

    std::vector<Conversation> conversations() const
    {
        std::lock_guard lock(m_mutex);
        return m_conversations;
    }

private:
    MessageSubmitter& m_inner;
    std::vector<RunEvent>& m_events;
    std::mutex& m_mutex;
    std::vector<Conversation> m_conversations;
};

class RecordingExport : public ProcessStatusExport
{
public:
    bool isRunning() const override { return running; }
    void exportStatuses(const std::vector<ProcessStatusRow>& rows, bool withRetry) override
    {
        handed.push_back({rows, withRetry});
    }
    bool running = false;
    std::vector<std::pair<std::vector<ProcessStatusRow>, bool>> handed;
};

[[noreturn]] inline void ThrowModemError(const char* text)
{
    throw CSMSException(std::nullopt, QString::fromUtf8(text));
}

// A sending run over fake modems on a fast clock (designed seconds take milliseconds).
class RunFixture : public ::testing::Test
{
protected:
    static constexpr int FirstModemPort = 3;

    explicit RunFixture(unsigned clockFactor = 1000) : clock(clockFactor)
    {
        data.EnsureDataFolder();
    }

    void recipients(int count, const QString& message = QStringLiteral("hello"))
    {
        std::vector<RecipientRow> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back({QString::number(1000 + i), message});
        list.insertRecipients(0, std::move(rows));
    }
    void recipients(const std::vector<RecipientRow>& rows) { list.insertRecipients(0, rows); }

    // Devices as the preparation leaves them: each port with its mode, "All Device" chosen when
    // there are several.
    void useDevices(const std::vector<std::pair<int, int>>& portsAndModes)
    {
        QList<DeviceChoice> choices;
        QList<int> modes;
        QStringList labels;
        for (const auto& [port, mode] : portsAndModes) {
            const QString label = QStringLiteral("COM%1 - Modem %1").arg(port);
            choices.append({label, port});
            modes.append(mode);
            labels.append(label);
        }
        if (labels.size() > 1) {
            choices.append({AllDeviceText(), 0});
            modes.append(0);
            labels.append(AllDeviceText());
        }
        devices.setChoiceList(choices, int(choices.size()) - 1);
        devices.setDeviceModeList(modes);
        devices.setDeviceList(labels, int(labels.size()) - 1);
    }

    DeliveryTracker* deliveries = nullptr; // set: the run asks for delivery reports

    SendingContext context()
    {
        SendingContext c{state, options,  devices, channels,  *activeSubmitter,
                         clock, prompter, list,    exclusions};
        c.sentItems = &sentItems;
        c.templates = &templates;
        c.exports = &exports;
        c.deliveries = deliveries;
        c.trace = [this](const QString& text) {
            std::lock_guard lock(eventMutex);
            events.push_back({RunEvent::Trace, 0, 0, {}, text});
        };
        return c;
    }

    // Opens a run the way Send does and waits until it has finished.
    void runToEnd()
    {
        start();
        ASSERT_TRUE(run->waitUntilSettled(std::chrono::seconds(30))) << "the run never finished";
    }
    void start()
    {
        state.RetryRound = 0;
        state.RetryRoundActive = 0;
        state.RetryLimit = options.retriesOn ? retryLimit : 0;
        run = std::make_unique<SendingRun>(context());
        run->open();
    }

    std::vector<QueueRow> rows() const { return run->queue().rows(0, run->queue().rowCount()); }
    QStringList column(QueueColumn c) const
    {
        QStringList cells;
        for (const QueueRow& row : rows())
            cells.append(row[c]);
        return cells;
    }
    std::vector<RunEvent> submissions() const
    {
        std::lock_guard lock(eventMutex);
        std::vector<RunEvent> result;
        for (const RunEvent& e : events)
            if (e.kind == RunEvent::Submission)
                result.push_back(e);
        return result;
    }
    std::vector<RunEvent> allEvents() const
    {
        std::lock_guard lock(eventMutex);
        return events;
    }
    std::vector<SentItem> sentItemRecords() const
    {
        std::vector<SentItem> records;
        sentItems.Load(records);
        return records;
    }

    QTemporaryDir home;
    DataFolder data{home.path()};
    Clock clock;
    // Started only by the tests that run on simulated modems; until then no channel opens and
    // the fake does not care.
    SimulatedModems modems{FirstModemPort};
    ModemChannelTable channels{modems.ports(), clock};
    RunState state;
    RunOptions options;
    DeviceState devices;
    ExclusionSet exclusions;
    ScriptedPrompter prompter;
    RecipientList list;
    SentItemStore sentItems{data};
    TemplateStore templateStore{data};
    SentTemplates templates{templateStore};
    int retryLimit = 0;
    mutable std::mutex eventMutex;
    std::vector<RunEvent> events;
    FakeSubmitter submitter{events, eventMutex};
    MessageSubmitter* activeSubmitter = &submitter;
    RecordingExport exports;
    std::unique_ptr<SendingRun> run;
};
