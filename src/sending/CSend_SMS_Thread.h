#pragma once

#include "base/StoppableThread.h"
#include "sending/MessageSubmitter.h"
#include "sending/PauseSettings.h"
#include "sending/SilentModemRecovery.h"

#include <QString>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

class ModemChannel;
class SendingRun;
struct QueueRow;

// What the run gives a worker when it starts it.
struct WorkerSetup
{
    int Index = 0;    // position of the device in the device list; the first pass starts here
    int Port_Num = 0; // COM port number
    QString label;    // "COM7 - description"
    int messageMode = 0;
    bool customSmsc = false;
    QString smscNumber;
    int deviceCount = 0;
    int rowCount = 0;
    int generation = 0;
    int quota = 0;
    QString quotaMode = QStringLiteral("A"); // "A" automatic, "M" manual
};

// The worker of one modem in a sending run. It walks the run's queue, claims rows that are
// free (a fast modem takes more of them), submits each through its own channel and writes the
// outcome back; it applies the exclusion and duplicate rules, keeps the counters, logs sent
// items and templates, stops at its manual quota, stops when its device is gone, and pauses
// every worker after every N attempts.
//
// The worker only talks through its channel; reopenChannel opens its port again (raising
// CSMSException when it cannot) for the recovery of a silent modem, done by the port's owner.
class CSend_SMS_Thread
{
public:
    CSend_SMS_Thread(SendingRun& run, WorkerSetup setup, ModemChannel& channel,
                     std::function<void()> reopenChannel);
    ~CSend_SMS_Thread();
    CSend_SMS_Thread(const CSend_SMS_Thread&) = delete;
    CSend_SMS_Thread& operator=(const CSend_SMS_Thread&) = delete;

    void start();
    // The quit request of StopWorker: the worker ends at its next test.
    void requestQuit();
    void join();

    int index() const { return m_setup.Index; }
    int port() const { return m_setup.Port_Num; }
    const QString& label() const { return m_setup.label; }
    int sentCount() const { return m_sentCount.load(); }
    bool runsOn(std::thread::id id) const { return m_thread.id() == id; }

private:
    enum class Step
    {
        NextRow,
        RestartPass,
    };
    enum class Verdict
    {
        None,
        Excluded,
        Skipped
    };

    void threadMain();
    void InitInstance();
    void ExitInstance();
    void sendLoop();
    bool shouldEnd() const;
    bool alive() const;
    bool AnyRowPending() const;
    Step processRow(int row, bool& progressed);
    bool RowAvailable(const QueueRow& row) const;
    bool ownsPortOf(const QueueRow& row) const;
    Verdict verdictFor(const QString& number, int row) const;
    bool markVerdict(int row, Verdict verdict);
    bool claim(int row, QString& number, QString& message);
    QString submit(const QString& number, const QString& message, bool& deviceGone);
    void recordOutcome(int row, const QString& result);
    void logSentItem(int row, const QString& result);
    void keepTemplate(int row);
    bool quotaUsedUp();
    void pauseIfDue();
    void pause(std::int64_t milliseconds);
    void idle(std::uint32_t ms);
    void setUpDeliveryReports();
    void setUpReplies();
    void readReplies();
    // ask: a command first, so that what the modem printed since the last reply is read too.
    void betweenSubmissions(bool ask);
    void takeDirectMessages(const QList<QByteArray>& lines);

    SendingRun& m_run;
    WorkerSetup m_setup;
    ModemChannel& m_channel;
    std::function<void()> m_reopenChannel;
    QString m_portText;   // "%d" of the port
    QString m_portPrefix; // "COM%d - "
    int m_pauseEvery = 0;
    PauseLength m_pauseLength;
    std::atomic<int> m_sentCount{0};
    std::atomic<bool> m_quit{false};
    std::atomic<bool> m_stopFlag{false}; // quota used up or device gone
    bool m_quotaReached = false;
    bool m_deviceGone = false; // the port vanished, or stayed silent after it was opened again
    SilentModemRecovery m_recovery;
    std::vector<int> m_references;     // of the message just submitted, when reports are asked
    int m_submissionsSinceReading = 0; // of replies, when opt-out replies are read
    bool m_acknowledgeDirect = false;  // the modem waits for AT+CNMA after each "+CMT"
    // The worker ends by the run's flags and its quit request, not by the thread's stop token.
    StoppableThread m_thread;
};
