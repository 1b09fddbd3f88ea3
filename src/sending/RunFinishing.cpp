#include "devices/DeviceState.h"
#include "modem/CSMSException.h"
#include "modem/InboxCommands.h"
#include "sending/CSend_SMS_Thread.h"
#include "sending/DeliveryTracker.h"
#include "sending/DirectMessages.h"
#include "sending/ModemChannelTable.h"
#include "sending/OptOutWatch.h"
#include "sending/QueueText.h"
#include "sending/RowPredicates.h"
#include "sending/RunOptions.h"
#include "sending/RunRecorder.h"
#include "sending/RunState.h"
#include "sending/RunTexts.h"
#include "sending/RunTimers.h"
#include "sending/SendingRun.h"
#include "sending/SentTemplates.h"
#include "stores/SentItemStore.h"

#include <QDate>
#include <algorithm>

namespace {

constexpr std::uint32_t SendingRowWaitMs = 1000;
constexpr std::uint32_t FinishedDelayMs = 5000;

} // namespace

void SendingRun::lastParticipantLeft(int index, int port, const QString& label)
{
    RunState& state = m_context.state;
    if (!m_visible) {
        trace(QStringLiteral("ExitInstance withsms send dlg :\n\n Index :: %1, Port_Num :: %2")
                  .arg(index)
                  .arg(port));
        finishOrClose();
        return;
    }
    if (state.Mark_To_Stop_All == 1)
        StopSweep(label);
    if (state.RetryRound == state.RetryLimit)
        state.Mark_To_Stop_All = 1;
    trace(QStringLiteral("ExitInstance with Mark_To_Stop_All:\n\n Index :: %1, Port_Num :: %2")
              .arg(index)
              .arg(port));
    allWorkersFinished();
}

int SendingRun::remainingDeviceCount() const
{
    // Devices whose quota ran out or whose port is gone have left the list.
    return int(m_context.devices.devicesInList().size());
}

void SendingRun::allWorkersFinished()
{
    RunState& state = m_context.state;
    if (!state.workerRegistry.empty())
        return;
    const int deviceCount = remainingDeviceCount();
    if (deviceCount == 0)
        state.Mark_To_Stop_All = 1;
    if (m_visible) {
        m_display.change([](RunView& v) {
            v.progressValue = v.progressMax;
            v.activityValue = 100;
        });
        if (state.Mark_To_Stop_All == 1) {
            markUnsentRowsStopped();
        } else {
            const int rows = m_queue.rowCount();
            m_display.change([rows](RunView& v) {
                v.progressText = QStringLiteral("%1 / %1 Message or 100.00%").arg(rows);
            });
        }
    }
    state.PauseRemainingMs = 0;
    if (!m_context.options.retriesOn) {
        finishOrClose();
        return;
    }
    state.RetryRoundActive = 1;
    trace(QStringLiteral("curr retry count :%1 \ntot retry count %2")
              .arg(state.RetryRound.load())
              .arg(state.RetryLimit.load()));
    if (state.RetryRound != state.RetryLimit && state.Mark_To_Stop_All == 0 && !m_stopRequested) {
        state.RetryRound++;
        state.ProcessedCount = 0;
        startController();
    } else if (state.Mark_To_Stop_All == 1 || m_stopRequested) {
        state.RetryRoundActive = 0;
        finishOrClose();
    } else if (!anyRowBusy()) {
        state.RetryRoundActive = 0;
        finishOrClose();
    } else if (deviceCount == 0) {
        finishOrClose();
    }
}

void SendingRun::markUnsentRowsStopped()
{
    m_queue.updateAll([this](int, QueueRow& row) {
        if (!m_visible || finishedAndClosable())
            return;
        const bool notSending =
            row[StatusColumn].trimmed().isEmpty() || !row[UseStatusColumn].contains(u"Sending");
        const bool retry = row[UseStatusColumn].contains(QueueText::RetryPrefix) ||
                           row[CurrentStatusColumn].contains(QueueText::RetryPrefix);
        if (notSending && !retry && row[UseStatusColumn] == u"Wait to dispatch...")
            row[UseStatusColumn] = row[CurrentStatusColumn] = row[StatusColumn] =
                QueueText::Stopped();
    });
}

void SendingRun::StopSweep(const QString& label)
{
    const bool saveSentItems = m_context.options.saveSentItems;
    const int rows = m_queue.rowCount();
    for (int i = 0; i < rows && m_visible && !finishedAndClosable(); ++i) {
        enum class Swept
        {
            OtherPort,
            OwnPort,
            Untouched
        };
        const Swept swept = m_queue.update(i, [&](QueueRow& row) {
            const bool own =
                !label.isEmpty() &&
                label.contains(QStringLiteral("COM") + row[UsePortColumn] + QStringLiteral(" - "));
            const QString& useStatus = row[UseStatusColumn];
            const bool retry = useStatus.contains(QueueText::RetryPrefix) ||
                               row[CurrentStatusColumn].contains(QueueText::RetryPrefix);
            if (!own) {
                if (!row[UsePortColumn].trimmed().isEmpty() || !retry)
                    return Swept::Untouched;
                row[UseStatusColumn] = QueueText::Save();
                row[CurrentStatusColumn] = QueueText::Stopped();
                return Swept::OtherPort;
            }
            if (!useStatus.contains(u"Done") && useStatus.contains(u"Sending")) {
                row[UseStatusColumn] = row[CurrentStatusColumn] = row[StatusColumn] =
                    QueueText::Stopped();
            } else if ((!useStatus.contains(u"Done") &&
                        useStatus.contains(QueueText::RetryPrefix)) ||
                       row[CurrentStatusColumn].contains(QueueText::RetryPrefix)) {
                row[UseStatusColumn] = row[CurrentStatusColumn] = QueueText::Stopped();
            }
            return Swept::OwnPort;
        });
        if (swept == Swept::Untouched || !saveSentItems)
            continue;
        // LogStoppedRow: for the own port, only rows that still carry it.
        logRow(
            i,
            [&](const QueueRow& row) {
                return swept == Swept::OtherPort ||
                       label.contains(QStringLiteral("COM") + row[UsePortColumn] +
                                      QStringLiteral(" - "));
            },
            QStringLiteral("---\nsent item file not open-=4=--"), true);
    }
}

bool SendingRun::logRow(int row, const std::function<bool(const QueueRow&)>& eligible,
                        const QString& failureTrace, bool alsoTemplate)
{
    if (!m_context.sentItems)
        return false;
    QueueRow copy;
    const bool claimed = m_queue.update(row, [&](QueueRow& r) {
        if (RowPredicates::IsLogged(r) || !RowPredicates::HasLoggableStatus(r) || !eligible(r))
            return false;
        r[SentItemColumn] = QueueText::LoggedMarker();
        copy = r;
        return true;
    });
    if (!claimed)
        return false;
    FileError error;
    if (!m_context.sentItems->Append(copy[NumberColumn], copy[MessageColumn], copy[StatusColumn],
                                     QDate::currentDate(), &error)) {
        m_queue.update(row, [](QueueRow& r) { r[SentItemColumn].clear(); });
        trace(failureTrace);
        return false;
    }
    if (m_context.journal)
        m_context.journal->logged(row);
    if (alsoTemplate && m_context.options.saveToTemplates &&
        !copy[MessageColumn].trimmed().isEmpty())
        keepTemplate(copy[MessageColumn]);
    return true;
}

bool SendingRun::keepTemplate(const QString& message)
{
    return m_context.templates && m_context.templates->keep(message);
}

void SendingRun::finishOrClose()
{
    if (m_display.statusLabel() == RunTexts::Populating()) {
        m_context.state.Mark_To_Stop_All = 1;
        m_wake.raise();
        if (m_closeRequested) {
            closeWindow();
        } else {
            finalize();
            settle();
        }
        return;
    }
    std::lock_guard lock(m_threadsMutex);
    if (m_finishingRunning || m_closed)
        return;
    retire(m_finishing);
    m_finishingRunning = true;
    m_finishing.start([this](const std::stop_token&) { finishingBody(); });
}

void SendingRun::waitForRowsInSending()
{
    // The pass is over only once every worker has ended: the last one marks the rows it leaves.
    const auto passOver = [this] {
        return m_closed || (m_liveWorkers == 0 && !m_controllerRunning);
    };
    while (!passOver())
        m_wake.waitMs(SendingRowWaitMs, passOver);
    const RunState& state = m_context.state;
    const int rows = m_queue.rowCount();
    for (;;) {
        const bool keepWaiting = !m_context.options.retriesOn ||
                                 state.RetryRound == state.RetryLimit ||
                                 state.Mark_To_Stop_All == 1;
        if (!keepWaiting || m_closed)
            return;
        const RunView v = m_display.view();
        if (rows > 0 && v.progressValue == rows && v.statusLabel == RunTexts::Finish())
            return;
        const auto seen = m_queue.version();
        if (!m_queue.anyRow([](const QueueRow& r) { return r[UseStatusColumn] == u"Sending..."; }))
            return;
        m_queue.waitForChange(seen, m_context.clock.realDuration(SendingRowWaitMs));
    }
}

void SendingRun::finishingBody()
{
    m_display.change([](RunView& v) {
        v.waitPopupVisible = true;
        v.windowEnabled = false;
    });
    waitForRowsInSending();
    m_context.state.Mark_To_Stop_All = 1;
    m_wake.raise();
    m_timers->stopActivity();
    m_timers->stopCountdown();
    m_display.change([](RunView& v) {
        v.exportVisible = true;
        v.statusLabel = RunTexts::Finish();
        v.caption = RunTexts::FinishedCaption();
        v.noteText = RunTexts::FinishedNote();
        v.stopButtonText = RunTexts::CloseButton();
        v.stopEnabled = true;
        v.progressValue = v.progressMax;
        v.activityValue = 100;
        v.pauseLabel.clear(); // nothing sets it once the run is marked to stop
    });
    if (m_context.options.clearAfterSending && m_context.host)
        m_context.host->clearMainWindowFields();
    if (!m_context.options.settleWhenFinished)
        m_wake.waitMs(FinishedDelayMs, [this] { return m_closed.load(); });
    if (m_closeRequested)
        closeWindow();
    else
        finalize();
    m_finishingRunning = false;
    settle();
    pollReportsUntilClosed();
}

void SendingRun::pollReportsUntilClosed()
{
    if (!m_context.deliveries)
        return;
    // Reports keep coming after the last submission: while the window stays open its
    // Delivery column follows them. Nothing else uses the channels once the run has settled.
    const auto over = [this] { return m_closed.load() || m_stopRequested.load(); };
    while (!over()) {
        m_wake.waitMs(ReportPollMs, over);
        if (!over())
            pollDeliveryReports();
    }
}

void SendingRun::finalize()
{
    const QString label = m_display.statusLabel();
    if (label != RunTexts::Populating() && m_context.options.saveSentItems) {
        const int rows = m_queue.rowCount();
        for (int i = 0; i < rows; ++i)
            logRow(
                i, [](const QueueRow&) { return true; },
                QStringLiteral("---\nsent item file not open-=1=--\n"), false);
    }
    // Once its rows are logged, the run no longer needs taking up again.
    if (label == RunTexts::Finish() && m_context.journal && !m_journalFinished.exchange(true))
        m_context.journal->finished();
    if (label == RunTexts::Finish() && m_context.state.Mark_To_Stop_All == 1) {
        m_queue.updateAll([](int, QueueRow& row) {
            if (row[CurrentStatusColumn].contains(QueueText::RetryPrefix))
                row[CurrentStatusColumn] = QueueText::Stopped();
        });
    }
    m_display.change([](RunView& v) {
        v.windowEnabled = true;
        v.waitPopupVisible = false;
    });
}

void SendingRun::closeWindow()
{
    if (m_closed.exchange(true))
        return;
    RunState& state = m_context.state;
    state.RunOpen = 0;
    state.lowerGeneration();
    m_stopRequested = true;
    m_wake.raise();
    finalize();
    m_visible = false;
    waitForControllerAndWorkers();
    m_queue.clear();
    m_timers->stopActivity();
    m_timers->stopCountdown();
    m_display.change([](RunView& v) { v.closed = true; });
    settle();
}

void SendingRun::pollDeliveryReports()
{
    DeliveryTracker* deliveries = m_context.deliveries;
    if (!deliveries)
        return;
    if (deliveries->pendingParts() == 0)
        return;
    QHash<int, int> portSlots, modes;
    QSet<int> gone;
    {
        std::lock_guard lock(m_threadsMutex);
        portSlots = m_slotOfPort;
        modes = m_modeOfPort;
        gone = m_gonePorts;
    }
    for (auto it = portSlots.cbegin(); it != portSlots.cend(); ++it) {
        if (gone.contains(it.key()))
            continue; // each look would wait out the channel's time-out
        try {
            ModemChannel& channel = m_context.channels.slot(it.value());
            PollForReports(channel, modes.value(it.key()) == 1, QString::number(it.key()),
                           *deliveries);
            takeDirectMessages(channel, it.key());
        } catch (const CSMSException&) {
            // A device gone after the run: its rows stay pending.
        }
    }
}

// The report reader leaves the messages a modem handed over on the channel: they are stored
// here, as a worker would between submissions.
void SendingRun::takeDirectMessages(ModemChannel& channel, int port)
{
    if (!m_context.inbox)
        return;
    const QList<QByteArray> lines = channel.takeUnsolicited();
    const bool any = std::any_of(lines.begin(), lines.end(),
                                 [](const QByteArray& line) { return line.startsWith("+CMT:"); });
    if (!any)
        return;
    AfterStoring afterStoring;
    if (OptOutWatch* optOut = m_context.optOut)
        afterStoring = [optOut](const InboxPart& part) { optOut->partStored(part); };
    TakeDirectMessages(channel, lines, QStringLiteral("COM%1").arg(port), *m_context.inbox,
                       directMessagesNeedAcknowledgement(channel), afterStoring);
}

void SendingRun::portGaveUp(int port)
{
    std::lock_guard lock(m_threadsMutex);
    m_gonePorts.insert(port);
}
