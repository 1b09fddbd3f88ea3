#pragma once

#include "base/StoppableThread.h"
#include "sending/RunDisplay.h"
#include "sending/SendQueue.h"
#include "sending/SendingContext.h"
#include "sending/WakeSignal.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class CSend_SMS_Thread;
class ModemChannel;
class RunTimers;
struct QueueRow;

// The sending run behind the sending window: it copies the recipient rows into its queue,
// starts one worker per device, shows progress and pauses, runs retry rounds over failed rows,
// stops on request, finishes (statuses and sent items of what is left) and offers the status
// export. Its threads: the controller (filling, retry rounds, starting workers), the workers,
// the finishing thread, the export thread and the timers. The window only shows view() and
// forwards its buttons.
//
// Nothing is killed: a stop asks the controller and the workers to end and they do at their
// next test. Closing waits for the controller and the workers before it empties the queue.
class SendingRun
{
    Q_DECLARE_TR_FUNCTIONS(SendingRun)

public:
    explicit SendingRun(SendingContext context);
    ~SendingRun();
    SendingRun(const SendingRun&) = delete;
    SendingRun& operator=(const SendingRun&) = delete;

    // The window has opened: start sending.
    void open();

    // The Stop button (it reads "Close" at the end) and closing the window.
    void stopPressed();
    void closePressed();

    // The Export button: hands every row to the status export unless one runs.
    void exportPressed();
    // The answer to view().resendQuestionRows: send the unconfirmed rows again or not.
    void answerResendQuestion(bool resend);
    // The question's text for a number of rows.
    static QString resendQuestionText(int rows);

    // The rows as the status export writes them, in queue order.
    std::vector<ProcessStatusRow> statusRows() const;

    RunView view() const { return m_display.view(); }
    SendQueue& queue() { return m_queue; }
    const SendQueue& queue() const { return m_queue; }

    // Blocks until the run has finished (finalized after "Finish.") or closed, or the real
    // timeout passes; true when it has. For the command line and tests.
    bool waitUntilSettled(std::chrono::milliseconds timeout);

    // ---- For the workers ------------------------------------------------------------------
    // With delivery reports asked, a finished run looks at every modem it sent through every
    // ReportPollMs (designed time) for the reports printed or stored since, until it is closed.
    static constexpr std::uint32_t ReportPollMs = 5000;
    const SendingContext& context() const { return m_context; }
    RunState& state() const { return m_context.state; }
    WakeSignal& wake() { return m_wake; }
    bool isVisible() const { return m_visible.load(); }
    bool stopRequested() const { return m_stopRequested.load(); }
    // Whether a worker of this generation still belongs to an open run with rows.
    bool aliveFor(int generation) const;

    void UpdateProgress(int rowCount, int generation);
    void showPauseText(std::int64_t milliseconds);
    void clearPauseLabel();
    void setActivity(int value);
    RunTimers& timers() { return *m_timers; }

    void StopWorker(int index);
    // A worker's port vanished or its modem stayed silent.
    void portGaveUp(int port);
    void RemoveDeviceFromList(const QString& prefix);
    // The last worker (or the controller, when no worker outlived its launch) has ended; label
    // is that worker's device label, empty for the controller.
    void lastParticipantLeft(int index, int port, const QString& label);
    // Sent-item record for a row when eligible(row) holds and it is not logged yet; the marker
    // is taken under the queue lock, so a row is never logged twice. Returns whether it wrote.
    bool logRow(int row, const std::function<bool(const QueueRow&)>& eligible,
                const QString& failureTrace, bool keepTemplate);
    bool keepTemplate(const QString& message);
    void trace(const QString& text) const;
    void workerEnded();

private:
    // Controller
    void startController();
    void controllerBody();
    bool prepareRetryRound();
    bool askResendUnconfirmed(int rows);
    bool fillQueue();
    bool fillQueueFromJournal();
    void launchWorkers(bool retryRound);
    void launchDevice(int index, const QString& label, int deviceCount, bool retryRound,
                      bool& first);
    int channelSlotFor(int index, int port);
    void StartWorker(int index, int port, const QString& label, int messageMode, bool customSmsc,
                     const QString& smscNumber, int deviceCount, int quota,
                     const QString& quotaMode, int channelSlot);
    void resetForFirstDevice(bool retryRound);
    void forgetController();

    // End of a pass, finishing and closing
    void allWorkersFinished();
    void finishOrClose();
    void finishingBody();
    void waitForRowsInSending();
    void finalize();
    void closeWindow();
    void StopSweep(const QString& label);
    void markUnsentRowsStopped();
    int remainingDeviceCount() const;
    bool anyRowBusy() const;
    bool exportRunning() const;
    bool finishedAndClosable() const;
    void settle();

    // Timers
    void activityTick();
    void countdownTick();

    void pollDeliveryReports();
    void takeDirectMessages(ModemChannel& channel, int port);
    void pollReportsUntilClosed();
    void retire(StoppableThread& thread);
    void joinThreads();
    void waitForControllerAndWorkers();

    SendingContext m_context;
    SendQueue m_queue;
    RunDisplay m_display;
    WakeSignal m_wake;
    std::unique_ptr<RunTimers> m_timers;

    std::atomic<bool> m_visible{false};
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_closeRequested{false};
    std::atomic<bool> m_closed{false};
    std::atomic<bool> m_controllerRunning{false};
    std::atomic<bool> m_finishingRunning{false};
    std::atomic<int> m_liveWorkers{0};
    std::atomic<std::uint64_t> m_startTime{0};
    std::atomic<int> m_resendAnswer{-1}; // -1 none yet, 0 no, 1 yes
    std::atomic<bool> m_journalFinished{false};

    // The controller and finishing threads end by the run's flags (m_stopRequested, m_closed,
    // Mark_To_Stop_All), not by their stop tokens; a thread replaced while still ending is
    // retired and joined with the others.
    mutable std::mutex m_threadsMutex;
    StoppableThread m_controller;
    StoppableThread m_finishing;
    std::vector<StoppableThread> m_retired;
    std::vector<std::unique_ptr<CSend_SMS_Thread>> m_workers;
    QHash<int, int> m_slotOfPort; // channels stay with their port across retry rounds
    QHash<int, int> m_modeOfPort; // the message mode each port was last sent in
    QSet<int> m_gonePorts;        // vanished or silent: not asked for reports any more

    std::mutex m_settleMutex;
    std::condition_variable m_settledChanged;
    bool m_settled = false;
};
