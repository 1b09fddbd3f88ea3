#include "devices/DeviceRecords.h"
#include "devices/DeviceState.h"
#include "modem/CSMSException.h"
#include "recipients/RecipientList.h"
#include "sending/CSend_SMS_Thread.h"
#include "sending/ModemChannelTable.h"
#include "sending/QueueText.h"
#include "sending/ResumePlan.h"
#include "sending/RowPredicates.h"
#include "sending/RunOptions.h"
#include "sending/RunRecorder.h"
#include "sending/RunState.h"
#include "sending/RunTexts.h"
#include "sending/RunTimers.h"
#include "sending/SendingRun.h"

namespace {

constexpr std::uint32_t ChannelTimeoutMs = 5000;
constexpr std::uint32_t StartDelayMs = 500;
constexpr int FillBlock = 1024; // rows appended per lock of the queue

} // namespace

void SendingRun::startController()
{
    std::lock_guard lock(m_threadsMutex);
    if (m_controllerRunning || m_stopRequested)
        return;
    retire(m_controller);
    m_controllerRunning = true;
    m_controller.start([this](const std::stop_token&) { controllerBody(); });
}

void SendingRun::forgetController()
{
    m_controllerRunning = false;
    m_wake.raise();
}

void SendingRun::controllerBody()
{
    RunState& state = m_context.state;
    state.Mark_To_Stop_All = 0;
    state.SentSincePause = 0;
    const bool retryRound = m_context.options.retriesOn && state.RetryRoundActive == 1;
    if (retryRound ? !prepareRetryRound() : !fillQueue()) {
        forgetController();
        return;
    }
    m_startTime = m_context.clock.tickCount();
    m_display.change([](RunView& v) {
        v.statusLabel = RunTexts::Sending();
        v.progressValue = 0;
    });
    state.workerRegistry.beginLaunch();
    launchWorkers(retryRound);
    m_display.change([](RunView& v) { v.stopEnabled = true; });
    forgetController();
    // When every worker already ended (or none could start), nobody else calls the handler.
    if (state.workerRegistry.endLaunch())
        lastParticipantLeft(-1, 0, QString());
}

bool SendingRun::prepareRetryRound()
{
    RunState& state = m_context.state;
    if (m_queue.rowCount() == 0) {
        m_timers->stopActivity();
        return false;
    }
    const int unconfirmed = m_queue.countRows(RowPredicates::IsUnconfirmed);
    const bool resend = unconfirmed > 0 && askResendUnconfirmed(unconfirmed);
    m_queue.updateAll([&](int, QueueRow& row) {
        if (!RowPredicates::IsFailed(row) || (!resend && RowPredicates::IsUnconfirmed(row))) {
            state.ProcessedCount++;
            return;
        }
        row[UsePortColumn].clear();
        row[RetryColumn] = QueueText::Count(row[RetryColumn].toInt() + 1);
        row[UseStatusColumn] = row[CurrentStatusColumn] = QueueText::WaitToDispatchRetry();
    });
    const int rows = m_queue.rowCount();
    UpdateProgress(rows, state.RunGeneration);
    if (state.ProcessedCount == rows || rows == 0) {
        state.Mark_To_Stop_All = 1;
        forgetController();
        finishOrClose();
        return false;
    }
    return true;
}

// A row whose message may be on the air already goes again only when the user says so.
bool SendingRun::askResendUnconfirmed(int rows)
{
    m_resendAnswer = -1;
    m_display.change([rows](RunView& v) { v.resendQuestionRows = rows; });
    constexpr std::uint32_t LongestWaitMs = 1000;
    const auto settled = [this] {
        return m_resendAnswer >= 0 || m_stopRequested || m_context.state.Mark_To_Stop_All == 1;
    };
    while (!m_wake.waitMs(LongestWaitMs, settled)) {
    }
    m_display.change([](RunView& v) { v.resendQuestionRows = 0; });
    return m_resendAnswer == 1;
}

void SendingRun::answerResendQuestion(bool resend)
{
    m_display.change([](RunView& v) { v.resendQuestionRows = 0; });
    m_resendAnswer = resend ? 1 : 0;
    m_wake.raise();
}

QString SendingRun::resendQuestionText(int rows)
{
    return tr("%n message(s) got no confirmation from the modem and may have been sent already. "
              "Send them again in this retry round?",
              nullptr, rows);
}

bool SendingRun::fillQueue()
{
    RunState& state = m_context.state;
    if (state.RetryRound != 0)
        return false;
    m_queue.clear();
    if (m_context.resume)
        return fillQueueFromJournal();
    const RecipientList& recipients = m_context.recipients;
    const int total = recipients.count();
    m_display.change([total](RunView& v) { v.progressMax = total; });
    std::vector<QueueRow> block;
    for (int i = 0; i < total; ++i) {
        if (state.Mark_To_Stop_All == 1 || m_stopRequested) {
            m_timers->stopActivity();
            return false;
        }
        const RecipientRow& recipient = recipients.at(i);
        QueueRow row;
        row[NumberColumn] = recipient.Number;
        row[MessageColumn] = recipient.Message;
        row[UseStatusColumn] = row[CurrentStatusColumn] = QueueText::WaitToDispatch();
        row[RetryColumn] = QueueText::Zero();
        block.push_back(std::move(row));
        if (int(block.size()) == FillBlock || i + 1 == total) {
            m_queue.append(std::move(block));
            block.clear();
            const QString text =
                QStringLiteral("%1 / %2 (%3)").arg(i).arg(total).arg(recipient.Number);
            m_display.change([&](RunView& v) {
                v.progressValue = i + 1;
                v.progressText = text;
            });
        }
    }
    if (m_context.journal)
        m_context.journal->begun(m_queue.rows(0, m_queue.rowCount()));
    return true;
}

bool SendingRun::fillQueueFromJournal()
{
    const ResumePlan& plan = *m_context.resume;
    const int total = int(plan.rows.size());
    m_display.change([total](RunView& v) { v.progressMax = total; });
    if (m_context.state.Mark_To_Stop_All == 1 || m_stopRequested) {
        m_timers->stopActivity();
        return false;
    }
    m_queue.append(plan.rows);
    m_display.change([total](RunView& v) {
        v.progressValue = total;
        v.progressText = QStringLiteral("%1 / %1").arg(total);
    });
    RunRecorder* journal = m_context.journal;
    if (journal) {
        journal->begun(m_queue.rows(0, total));
        for (int row : plan.alreadyLogged)
            journal->logged(row);
        for (int row : plan.unknown)
            journal->outcome(row, QueueText::OutcomeUnknown(),
                             plan.rows[std::size_t(row)][UsePortColumn]);
    }
    if (m_context.options.saveSentItems)
        for (int row : plan.toLog)
            logRow(
                row, [](const QueueRow&) { return true; },
                QStringLiteral("---\nsent item file not open-=5=--\n"), false);
    return true;
}

void SendingRun::launchWorkers(bool retryRound)
{
    DeviceState& devices = m_context.devices;
    const QString chosen = devices.selectedDevice();
    bool first = true;
    if (chosen == AllDeviceText()) {
        const QStringList labels = devices.deviceList();
        const int n = int(labels.size());
        const int rows = m_queue.rowCount();
        for (int f = 0; f < n && f + 1 <= rows; ++f) {
            if (m_stopRequested)
                return;
            if (labels.at(f) == AllDeviceText() || !m_queue.anyRow(RowPredicates::IsWaiting))
                continue;
            launchDevice(f, labels.at(f), n - 1, retryRound, first);
        }
    } else if (!chosen.isEmpty() && !m_stopRequested) {
        launchDevice(0, chosen, 1, retryRound, first);
    }
}

void SendingRun::launchDevice(int index, const QString& label, int deviceCount, bool retryRound,
                              bool& first)
{
    const int port = PortNumberOfLabel(label);
    const DeviceSendSettings settings = m_context.devices.sendSettingsOf(port);
    int quota = m_queue.rowCount();
    QString quotaMode = QStringLiteral("A");
    if (m_context.options.quotaManagement) {
        if (const auto record = m_context.devices.recordOf(port); record && !record->isAuto()) {
            quota = record->quotaCount();
            quotaMode = QStringLiteral("M");
        }
    }
    if (first)
        resetForFirstDevice(retryRound);
    const int channelSlot = channelSlotFor(index, port);
    {
        std::lock_guard lock(m_threadsMutex);
        m_modeOfPort.insert(port, settings.messageMode);
    }
    StartWorker(index, port, label, settings.messageMode, settings.customSmsc, settings.smscNumber,
                deviceCount, quota, quotaMode, channelSlot);
    if (first)
        m_display.change([](RunView& v) { v.stopEnabled = true; });
    first = false;
}

void SendingRun::resetForFirstDevice(bool retryRound)
{
    RunState& state = m_context.state;
    state.PauseActive = 0;
    state.SentSincePause = 0;
    if (!m_stopRequested)
        state.Mark_To_Stop_All = 0;
    if (retryRound)
        return;
    state.ProcessedCount = 0;
    if (m_context.resume)
        state.ProcessedCount =
            m_queue.countRows([](const QueueRow& r) { return !RowPredicates::IsWaiting(r); });
    const int rows = m_queue.rowCount();
    const QString text = QStringLiteral("1 / %1 Message or %2%")
                             .arg(rows)
                             .arg(QString::asprintf("%.2f", double(rows > 0 ? 100 / rows : 0)));
    m_display.change([&](RunView& v) { v.progressText = text; });
}

int SendingRun::channelSlotFor(int index, int port)
{
    ModemChannelTable& channels = m_context.channels;
    std::lock_guard lock(m_threadsMutex);
    // A channel stays with the port it was opened on: later rounds do not reopen it, and the
    // device list may have lost entries since, so positions no longer match slots.
    if (const auto it = m_slotOfPort.constFind(port); it != m_slotOfPort.cend())
        return it.value();
    int slot = index;
    const QList<int> used = m_slotOfPort.values();
    while (used.contains(slot) && slot + 1 < ModemChannelTable::SlotCount)
        ++slot;
    m_slotOfPort.insert(port, slot);
    if (m_context.options.keepOpenChannels && channels.holds(slot, port))
        return slot;
    try {
        channels.open(slot, port, ChannelTimeoutMs);
    } catch (const CSMSException& error) {
        // The worker starts all the same; its first submission finds the port gone.
        trace(QStringLiteral("Error : %1").arg(error.GetErrorMessage()));
    }
    return slot;
}

void SendingRun::StartWorker(int index, int port, const QString& label, int messageMode,
                             bool customSmsc, const QString& smscNumber, int deviceCount, int quota,
                             const QString& quotaMode, int channelSlot)
{
    RunState& state = m_context.state;
    if (state.workerRegistry.contains(index))
        return;
    WorkerSetup setup;
    setup.Index = index;
    setup.Port_Num = port;
    setup.label = label;
    setup.messageMode = messageMode;
    setup.customSmsc = customSmsc;
    setup.smscNumber = smscNumber;
    setup.deviceCount = deviceCount;
    setup.rowCount = m_queue.rowCount();
    setup.generation = state.RunGeneration;
    setup.quotaMode = quotaMode;
    setup.quota = quotaMode == u"M" ? quota - state.consumedQuotaLog.consumedBy(port) : quota;
    ModemChannelTable& channels = m_context.channels;
    auto worker = std::make_unique<CSend_SMS_Thread>(
        *this, std::move(setup), channels.slot(channelSlot),
        [&channels, channelSlot, port] { channels.reopen(channelSlot, port); });
    CSend_SMS_Thread* started = worker.get();
    if (!state.workerRegistry.insert(index, started))
        return;
    m_wake.waitMs(StartDelayMs, [this] { return m_stopRequested.load(); });
    if (m_stopRequested) {
        // Not started: it leaves the registry quietly; the launch's end tells whether anyone
        // is left.
        state.workerRegistry.removeAndCheckLast(index);
        return;
    }
    m_liveWorkers++;
    // Started under the lock that waitForControllerAndWorkers reads the workers' threads with.
    std::lock_guard lock(m_threadsMutex);
    m_workers.push_back(std::move(worker));
    started->start();
}
