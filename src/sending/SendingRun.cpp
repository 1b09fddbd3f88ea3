#include "sending/SendingRun.h"

#include "base/Prompter.h"
#include "devices/DeviceState.h"
#include "recipients/RecipientList.h"
#include "sending/CSend_SMS_Thread.h"
#include "sending/DeliveryTracker.h"
#include "sending/PauseSettings.h"
#include "sending/RowPredicates.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"
#include "sending/RunTexts.h"
#include "sending/RunTimers.h"

SendingRun::SendingRun(SendingContext context)
    : m_context(std::move(context)), m_wake(m_context.clock)
{
    m_timers = std::make_unique<RunTimers>(
        m_context.clock, [this] { activityTick(); }, [this] { countdownTick(); });
}

SendingRun::~SendingRun()
{
    if (!m_closed && m_visible)
        closeWindow();
    m_stopRequested = true;
    m_wake.raise();
    m_timers->shutdown();
    joinThreads();
}

void SendingRun::open()
{
    RunState& state = m_context.state;
    m_visible = true;
    state.RunOpen = 1;
    const int recipients = m_context.recipients.count();
    m_display.change([&](RunView& v) {
        v.caption = RunTexts::SendingCaption();
        v.noteText = RunTexts::SendingNote();
        v.activityValue = 0;
        v.progressMax = recipients;
        v.progressValue = 0;
        v.statusLabel = RunTexts::Populating();
        v.stopButtonText = RunTexts::StopButton();
        v.stopEnabled = false;
        v.exportVisible = false;
        v.retriesOn = m_context.options.retriesOn;
    });
    m_timers->startActivity();
    state.RunGeneration++;
    state.RetryRoundActive = 0;
    state.ProcessedCount = 0;
    state.Mark_To_Stop_All = 0;
    startController();
}

bool SendingRun::aliveFor(int generation) const
{
    const RunState& state = m_context.state;
    return state.RunOpen == 1 && generation == state.RunGeneration && m_queue.rowCount() > 0;
}

void SendingRun::trace(const QString& text) const
{
    if (m_context.trace)
        m_context.trace(text);
}

void SendingRun::UpdateProgress(int rowCount, int generation)
{
    const RunState& state = m_context.state;
    if (generation != state.RunGeneration || rowCount <= 0)
        return;
    // The count is read under the display's lock: workers report concurrently, and a count read
    // before another worker's later one must not be shown after it (the text went backwards).
    m_display.change([&](RunView& v) {
        const int d = std::min(rowCount, std::max(1, state.ProcessedCount.load()));
        v.progressText = QStringLiteral("%1 / %2 Message or %3%")
                             .arg(d)
                             .arg(rowCount)
                             .arg(QString::asprintf("%.2f", double(d * 100 / rowCount)));
        v.progressValue = d;
    });
}

void SendingRun::showPauseText(std::int64_t milliseconds)
{
    if (m_context.state.Mark_To_Stop_All == 1) {
        clearPauseLabel();
        m_timers->stopCountdown();
        m_timers->stopActivity();
        return;
    }
    const QString text = RunTexts::PausingPrefix() + PauseDurationText(milliseconds);
    const RunState& state = m_context.state;
    // Decided under the display lock: the run's end clears the label under it too.
    m_display.change([&](RunView& v) {
        if (state.Mark_To_Stop_All != 1)
            v.pauseLabel = text;
    });
}

void SendingRun::clearPauseLabel()
{
    m_display.change([](RunView& v) { v.pauseLabel.clear(); });
}

void SendingRun::setActivity(int value)
{
    m_display.change([value](RunView& v) { v.activityValue = value; });
}

void SendingRun::activityTick()
{
    RunState& state = m_context.state;
    if (state.Mark_To_Stop_All != 1) {
        m_display.change([](RunView& v) {
            v.activityValue = v.activityValue >= 100 ? 0 : v.activityValue + 5;
            v.pauseLabel.clear();
        });
        return;
    }
    state.SentSincePause = 0;
    m_timers->stopActivity();
    const auto closing = [this] { return m_closed.load(); };
    m_wake.waitMs(1000, closing);
    clearPauseLabel();
    m_wake.waitMs(1000, closing);
    m_timers->stopCountdown();
    state.PauseActive = 0;
    state.SentSincePause = 0;
    m_display.change([](RunView& v) {
        v.pauseLabel.clear();
        v.progressValue = v.progressMax;
        v.activityValue = 100;
    });
}

void SendingRun::countdownTick()
{
    RunState& state = m_context.state;
    if (state.PauseActive == 1 && state.Mark_To_Stop_All != 1) {
        const auto seconds =
            std::uint64_t(std::max<std::int64_t>(0, state.PauseRemainingMs)) / 1000;
        const QString text =
            RunTexts::PausingPrefix() + PauseDurationText(unsigned(seconds / 3600),
                                                          unsigned(seconds % 3600 / 60),
                                                          unsigned(seconds % 3600 % 60));
        // The pause may end between the check above and here; the worker ends it before it
        // clears the label, so checking again under the display lock leaves no stale text.
        m_display.change([&](RunView& v) {
            if (state.PauseActive == 1 && state.Mark_To_Stop_All != 1)
                v.pauseLabel = text;
        });
        return;
    }
    state.SentSincePause = 0;
    clearPauseLabel();
    m_timers->stopCountdown();
    if (state.Mark_To_Stop_All == 1)
        state.PauseActive = 0;
}

void SendingRun::StopWorker(int index)
{
    m_context.state.workerRegistry.forEach([index](int i, CSend_SMS_Thread* worker) {
        if (i == index)
            worker->requestQuit();
    });
}

void SendingRun::RemoveDeviceFromList(const QString& prefix)
{
    if (const auto label = m_context.devices.removeFromDeviceList(prefix))
        m_context.state.consumedQuotaLog.removePortsIn(*label);
}

void SendingRun::stopPressed()
{
    if (exportRunning() || m_finishingRunning)
        return;
    const bool finished = finishedAndClosable();
    if (!finished &&
        !m_context.prompter.confirm(tr("Confirm"), tr("Are you sure you want to continue?"))) {
        m_closeRequested = false;
        return;
    }
    if (finished)
        m_closeRequested = true;
    m_stopRequested = true;
    m_display.change([](RunView& v) { v.waitPopupVisible = true; });
    RunState& state = m_context.state;
    if (!state.workerRegistry.empty()) {
        m_timers->stopActivity();
        m_timers->stopCountdown();
        state.PauseActive = 0;
        state.PauseRemainingMs = 0;
        state.Mark_To_Stop_All = 1;
        clearPauseLabel();
        state.workerRegistry.forEach([](int, CSend_SMS_Thread* worker) { worker->requestQuit(); });
        m_wake.raise();
        if (finished && m_closeRequested && !anyRowBusy())
            closeWindow();
        else
            finishOrClose();
    } else if (m_closeRequested) {
        if (!anyRowBusy())
            closeWindow();
        else
            finishOrClose();
    } else if (anyRowBusy()) {
        finishOrClose();
    } else {
        m_display.change([](RunView& v) { v.waitPopupVisible = false; });
    }
    m_wake.raise();
}

void SendingRun::closePressed()
{
    if (exportRunning() || m_finishingRunning)
        return;
    m_closeRequested = true;
    stopPressed();
}

bool SendingRun::finishedAndClosable() const
{
    const RunView v = m_display.view();
    return v.stopButtonText == RunTexts::CloseButton() && v.statusLabel == RunTexts::Finish();
}

bool SendingRun::anyRowBusy() const
{
    return m_queue.anyRow(RowPredicates::IsBusy);
}

bool SendingRun::exportRunning() const
{
    return m_context.exports && m_context.exports->isRunning();
}

void SendingRun::exportPressed()
{
    if (!m_context.exports || exportRunning())
        return;
    m_context.exports->exportStatuses(statusRows(), m_context.options.retriesOn);
}

std::vector<ProcessStatusRow> SendingRun::statusRows() const
{
    std::vector<ProcessStatusRow> rows;
    const int count = m_queue.rowCount();
    rows.reserve(std::size_t(count));
    constexpr int Block = 4096; // copied in blocks so the workers are not held up
    const DeliveryTracker* deliveries = m_context.deliveries;
    for (int first = 0; first < count; first += Block) {
        const std::vector<QueueRow> block = m_queue.rows(first, Block);
        for (std::size_t i = 0; i < block.size(); ++i) {
            const QueueRow& row = block[i];
            rows.push_back({row[NumberColumn], row[MessageColumn], row[CurrentStatusColumn],
                            row[StatusColumn], row[RetryColumn]});
            if (deliveries) {
                const auto delivery =
                    deliveries->rowDelivery(m_context.deliveryRowBase + first + std::int64_t(i));
                rows.back().Delivery = delivery ? deliveryText(*delivery) : QString();
            }
        }
    }
    return rows;
}

bool SendingRun::waitUntilSettled(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_settleMutex);
    return m_settledChanged.wait_for(lock, timeout, [this] { return m_settled; });
}

void SendingRun::settle()
{
    {
        std::lock_guard lock(m_settleMutex);
        m_settled = true;
    }
    m_settledChanged.notify_all();
}

void SendingRun::workerEnded()
{
    m_liveWorkers--;
    m_wake.raise();
}

void SendingRun::retire(StoppableThread& thread)
{
    if (thread.joinable())
        m_retired.push_back(std::move(thread));
}

void SendingRun::joinThreads()
{
    std::vector<StoppableThread> threads;
    std::vector<std::unique_ptr<CSend_SMS_Thread>> workers;
    {
        std::lock_guard lock(m_threadsMutex);
        threads.swap(m_retired);
        for (StoppableThread* t : {&m_controller, &m_finishing})
            if (t->joinable())
                threads.push_back(std::move(*t));
        workers.swap(m_workers);
    }
    for (StoppableThread& t : threads)
        t.join();    // returns at once for the calling thread itself
    workers.clear(); // each joins its thread
}

void SendingRun::waitForControllerAndWorkers()
{
    bool onController = false;
    bool onWorker = false;
    {
        std::lock_guard lock(m_threadsMutex);
        const auto self = std::this_thread::get_id();
        onController = m_controller.id() == self;
        for (const auto& worker : m_workers)
            onWorker = onWorker || worker->runsOn(self);
    }
    const int ownWorker = onWorker ? 1 : 0;
    m_wake.waitMs(UINT32_MAX, [&] {
        return (onController || !m_controllerRunning) && m_liveWorkers <= ownWorker;
    });
}
