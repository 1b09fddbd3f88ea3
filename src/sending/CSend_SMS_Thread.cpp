#include "sending/CSend_SMS_Thread.h"

#include "base/StatusTexts.h"
#include "modem/CSMSException.h"
#include "modem/InboxCommands.h"
#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "modem/ReportRouting.h"
#include "modem/SubmissionStatus.h"
#include "sending/DeliveryTracker.h"
#include "sending/DirectMessages.h"
#include "sending/InboxReading.h"
#include "sending/OptOutWatch.h"
#include "sending/QueueText.h"
#include "sending/RowPredicates.h"
#include "sending/RunOptions.h"
#include "sending/RunRecorder.h"
#include "sending/RunState.h"
#include "sending/RunTimers.h"
#include "sending/SendingRun.h"
#include "sending/SilentModemRecovery.h"

#include <QDateTime>
#include <algorithm>

namespace {

constexpr std::uint32_t IdleMs = 1000;
constexpr int RepliesReadEvery = 20;

// A failing system call of the channel (the device was unplugged or never opened), as opposed
// to an error the modem replied.
bool isSystemFailure(const CSMSException& error)
{
    return error.code() && (*error.code() & 0xFFFF0000u) == CSMSException::SystemErrorBase;
}

} // namespace

CSend_SMS_Thread::CSend_SMS_Thread(SendingRun& run, WorkerSetup setup, ModemChannel& channel,
                                   std::function<void()> reopenChannel)
    : m_run(run), m_setup(std::move(setup)), m_channel(channel),
      m_reopenChannel(std::move(reopenChannel))
{}

CSend_SMS_Thread::~CSend_SMS_Thread()
{
    join();
}

void CSend_SMS_Thread::start()
{
    m_thread.start([this](const std::stop_token&) { threadMain(); });
}

void CSend_SMS_Thread::requestQuit()
{
    m_quit = true;
    m_run.wake().raise();
}

void CSend_SMS_Thread::join()
{
    m_thread.join(); // returns at once on the worker's own thread
}

void CSend_SMS_Thread::threadMain()
{
    try {
        InitInstance();
    } catch (...) {
        // Anything but a submission error ends the loop; the worker still leaves the registry.
        m_run.trace(QStringLiteral("Worker %1 ended by an unexpected error").arg(m_setup.Index));
    }
    ExitInstance();
    m_run.workerEnded();
}

void CSend_SMS_Thread::InitInstance()
{
    RunState& state = m_run.state();
    if (m_setup.rowCount > 0 && alive()) {
        if (m_run.context().options.retriesOn && state.RetryRoundActive == 1)
            m_run.UpdateProgress(m_setup.rowCount, m_setup.generation);
        sendLoop();
        // A message handed over after the last submission's reply is on the channel still.
        if (m_run.context().inbox && !m_deviceGone && alive())
            betweenSubmissions(true);
    }
    // After the loop: a device whose quota is used up, or whose port is gone, leaves the device
    // list so that later rounds do not start it again.
    if (m_quotaReached || m_deviceGone)
        m_run.RemoveDeviceFromList(m_portPrefix);
    if (m_deviceGone)
        m_run.portGaveUp(m_setup.Port_Num);
}

void CSend_SMS_Thread::ExitInstance()
{
    RunState& state = m_run.state();
    if (m_run.context().options.quotaManagement)
        state.consumedQuotaLog.append(m_setup.Port_Num, m_sentCount);
    if (!state.workerRegistry.removeAndCheckLast(m_setup.Index)) {
        m_run.trace(QStringLiteral("ExitInstance :\n\n Index :: %1, Port_Num :: %2")
                        .arg(m_setup.Index)
                        .arg(m_setup.Port_Num));
        return;
    }
    m_run.lastParticipantLeft(m_setup.Index, m_setup.Port_Num, m_setup.label);
}

bool CSend_SMS_Thread::alive() const
{
    return m_run.aliveFor(m_setup.generation);
}

bool CSend_SMS_Thread::shouldEnd() const
{
    return !alive() || m_run.state().Mark_To_Stop_All == 1 || m_run.stopRequested() || m_quit ||
           m_stopFlag;
}

bool CSend_SMS_Thread::AnyRowPending() const
{
    return alive() && m_run.queue().anyRow(RowPredicates::IsPending);
}

void CSend_SMS_Thread::sendLoop()
{
    m_portText = QString::number(m_setup.Port_Num);
    m_portPrefix = QStringLiteral("COM%1 - ").arg(m_setup.Port_Num);
    m_pauseEvery = ParsePauseEvery(m_run.state().PauseEveryText());
    m_pauseLength = ParsePauseFor(m_run.state().PauseForText());
    setUpDeliveryReports();
    setUpReplies();

    int start = m_setup.Index;
    while (!quotaUsedUp() && !shouldEnd() && AnyRowPending()) {
        bool progressed = false;
        for (int row = start; row < m_setup.rowCount; ++row) {
            if (shouldEnd())
                return;
            if (processRow(row, progressed) == Step::RestartPass) {
                progressed = true; // the pause was the wait
                break;
            }
        }
        start = 0;
        // Nothing left to take: the rows still pending are being sent by other workers.
        if (!progressed)
            idle(IdleMs);
    }
}

bool CSend_SMS_Thread::quotaUsedUp()
{
    // Compared with "at least" so that a quota already used up in an earlier round sends
    // nothing more.
    if (m_setup.quotaMode != u"M" || m_sentCount < m_setup.quota)
        return false;
    m_quotaReached = true;
    m_stopFlag = true;
    return true;
}

void CSend_SMS_Thread::setUpDeliveryReports()
{
    DeliveryTracker* deliveries = m_run.context().deliveries;
    if (!deliveries)
        return;
    // Late reports of earlier runs may come during this one: their parts are known first.
    deliveries->loadEarlierRuns();
    try {
        const ReportRoute route = ::setUpDeliveryReports(m_channel);
        // Reports that came while no run had the modem open, read in the run's mode.
        const bool pduMode = m_setup.messageMode == 1;
        (void)(pduMode ? SelectPduMode(m_channel) : SelectTextMode(m_channel));
        ReadHeldReports(m_channel, pduMode, m_portText, *deliveries);
        m_run.trace(QStringLiteral("COM%1 delivery reports: %2")
                        .arg(m_setup.Port_Num)
                        .arg(route == ReportRoute::Routed   ? QStringLiteral("routed")
                             : route == ReportRoute::Stored ? QStringLiteral("stored")
                                                            : QStringLiteral("none")));
    } catch (const CSMSException&) {
        // The first submission meets the same trouble and reports it on its row.
    }
}

void CSend_SMS_Thread::setUpReplies()
{
    if (!m_run.context().optOut) {
        // Messages handed over directly are stored all the same; the modem's indications are
        // left as they are.
        if (m_run.context().inbox) {
            try {
                m_acknowledgeDirect = directMessagesNeedAcknowledgement(m_channel);
            } catch (const CSMSException&) {
                // The first submission meets the same trouble and reports it on its row.
            }
        }
        return;
    }
    try {
        const bool announced = setUpNewMessageIndications(m_channel);
        m_acknowledgeDirect = directMessagesNeedAcknowledgement(m_channel);
        const bool pduMode = m_setup.messageMode == 1;
        (void)(pduMode ? SelectPduMode(m_channel) : SelectTextMode(m_channel));
        // Replies that came while no run had the modem open count too.
        readReplies();
        m_run.trace(
            QStringLiteral("COM%1 new messages: %2")
                .arg(m_setup.Port_Num)
                .arg(announced ? QStringLiteral("announced") : QStringLiteral("not announced")));
    } catch (const CSMSException&) {
        // The first submission meets the same trouble and reports it on its row.
    }
}

// Every message the modem holds, stored and then deleted; a keyword excludes its sender from
// the rows not sent yet. Raises CSMSException as the channel does.
void CSend_SMS_Thread::readReplies()
{
    OptOutWatch& optOut = *m_run.context().optOut;
    ReadInbox(m_channel, m_setup.messageMode == 1, QStringLiteral("COM%1").arg(m_setup.Port_Num),
              optOut.inbox(), true, [&optOut](const InboxPart& part) { optOut.partStored(part); });
}

// Between submissions, never inside one: the reports the modem printed meanwhile, and those
// it announced as stored, read and deleted here; then the messages it announced.
void CSend_SMS_Thread::takeDirectMessages(const QList<QByteArray>& lines)
{
    InboxStore* inbox = m_run.context().inbox;
    if (!inbox)
        return;
    OptOutWatch* optOut = m_run.context().optOut;
    AfterStoring afterStoring;
    if (optOut)
        afterStoring = [optOut](const InboxPart& part) { optOut->partStored(part); };
    TakeDirectMessages(m_channel, lines, QStringLiteral("COM%1").arg(m_setup.Port_Num), *inbox,
                       m_acknowledgeDirect, afterStoring);
}

void CSend_SMS_Thread::betweenSubmissions(bool ask)
{
    try {
        OptOutWatch* optOut = m_run.context().optOut;
        // A command makes the channel read what the modem printed since the submission
        // ended: a "+CMTI" then is not left to the next submission's clean start.
        if (ask)
            (void)sendCommand(m_channel, "AT\r");
        const QList<QByteArray> lines = m_channel.takeUnsolicited();
        if (DeliveryTracker* deliveries = m_run.context().deliveries) {
            const QDateTime now = QDateTime::currentDateTime();
            const auto stored = deliveries->takeLines(m_portText, lines, now);
            if (!stored.empty())
                ReadAnnouncedReports(m_channel, m_setup.messageMode == 1, m_portText, stored,
                                     *deliveries, now);
        }
        // Messages the modem handed over without storing them: stored (and acknowledged) here,
        // between commands, so an acknowledgement never cuts into a submission.
        takeDirectMessages(lines);
        // An announcement can still be lost (a modem that drops it while busy): every so many
        // submissions the storage is read anyway.
        if (optOut && (++m_submissionsSinceReading >= RepliesReadEvery ||
                       std::any_of(lines.begin(), lines.end(), [](const QByteArray& line) {
                           return parseCmtiLine(QString::fromLatin1(line)).has_value();
                       }))) {
            m_submissionsSinceReading = 0;
            readReplies();
        }
    } catch (const CSMSException&) {
        // A broken channel shows at the next submission, which reports it on its row.
    }
}

void CSend_SMS_Thread::idle(std::uint32_t ms)
{
    m_run.wake().waitMs(ms, [this] { return shouldEnd(); });
}

CSend_SMS_Thread::Step CSend_SMS_Thread::processRow(int row, bool& progressed)
{
    RunState& state = m_run.state();
    if (state.PauseActive == 1) {
        m_run.wake().waitMs(IdleMs, [&] { return state.PauseActive != 1 || shouldEnd(); });
        return Step::RestartPass;
    }
    SendQueue& queue = m_run.queue();
    const auto [available, number] = queue.inspect(
        row, [this](const QueueRow& r) { return std::pair(RowAvailable(r), r[NumberColumn]); });
    if (!available)
        return Step::NextRow;

    const Verdict verdict = verdictFor(number, row);
    if (verdict != Verdict::None && markVerdict(row, verdict)) {
        if (RunRecorder* journal = m_run.context().journal)
            journal->outcome(
                row, verdict == Verdict::Excluded ? QueueText::Excluded() : QueueText::Skipped(),
                m_portText);
        progressed = true;
        state.ProcessedCount++;
        m_run.UpdateProgress(m_setup.rowCount, m_setup.generation);
        return Step::NextRow;
    }

    QString claimedNumber, message;
    if (!claim(row, claimedNumber, message))
        return Step::NextRow;
    progressed = true;
    // On disk before the modem hears of it: after a crash this row's outcome is unknown.
    if (RunRecorder* journal = m_run.context().journal)
        journal->submitting(row, m_portText);

    bool deviceGone = false;
    const QString result = submit(claimedNumber, message, deviceGone);
    if (!alive())
        return Step::NextRow;
    recordOutcome(row, result);
    DeliveryTracker* deliveries = m_run.context().deliveries;
    if (deliveries && StatusTexts::isSentStatus(result))
        deliveries->partsSent(m_run.context().deliveryRowBase + row, m_portText, claimedNumber,
                              message, m_references, QDateTime::currentDateTime());
    if (!deviceGone && (deliveries || m_run.context().optOut || m_run.context().inbox))
        betweenSubmissions(m_run.context().optOut != nullptr);
    if (deviceGone) {
        // The port is gone, or its modem stays silent: this worker stops so the other modems
        // finish the list.
        m_deviceGone = true;
        m_stopFlag = true;
        return Step::NextRow;
    }
    if (quotaUsedUp())
        return Step::NextRow;
    pauseIfDue();
    return Step::NextRow;
}

bool CSend_SMS_Thread::RowAvailable(const QueueRow& row) const
{
    const bool hasStatus = !row[StatusColumn].trimmed().isEmpty();
    const QString& useStatus = row[UseStatusColumn];
    const bool mine = m_setup.label.contains(m_portPrefix);
    if (hasStatus && useStatus.contains(QueueText::RetryPrefix) && mine)
        return true;
    if (hasStatus && useStatus.contains(u"Done") &&
        row[CurrentStatusColumn].contains(QueueText::RetryPrefix))
        return true; // still fails the claim test: it waits for the next round
    if (hasStatus && useStatus.contains(u"Done"))
        return false;
    if (row[StatusColumn] == u"Sending..." || row[StatusColumn] == u"Done")
        return false;
    if (!row[UsePortColumn].trimmed().isEmpty())
        return false;
    return mine;
}

bool CSend_SMS_Thread::ownsPortOf(const QueueRow& row) const
{
    return m_setup.label.contains(QStringLiteral("COM") + row[UsePortColumn] +
                                  QStringLiteral(" - "));
}

CSend_SMS_Thread::Verdict CSend_SMS_Thread::verdictFor(const QString& number, int row) const
{
    const RunOptions& options = m_run.context().options;
    const OptOutWatch* optOut = m_run.context().optOut;
    const bool excluded =
        (options.useExclusionRules && m_run.context().exclusions.IsExcluded(number)) ||
        (optOut && optOut->hasOptedOut(number));
    if (excluded)
        return Verdict::Excluded;
    if (options.skipDuplicates) {
        const int first = m_run.queue().findFirstNumber(number);
        if (first >= 0 && first != row)
            return Verdict::Skipped;
    }
    return Verdict::None;
}

bool CSend_SMS_Thread::markVerdict(int row, Verdict verdict)
{
    const QString status =
        verdict == Verdict::Excluded ? QueueText::Excluded() : QueueText::Skipped();
    return m_run.queue().update(row, [&](QueueRow& r) {
        if (r[UsePortColumn].trimmed().isEmpty())
            r[UsePortColumn] = m_portText;
        if (!r[StatusColumn].trimmed().isEmpty() || r[UseStatusColumn].contains(u"Done") ||
            !ownsPortOf(r))
            return false;
        r[StatusColumn] = status;
        r[UseStatusColumn] = QueueText::Done();
        r[CurrentStatusColumn] = QueueText::DoneOn(m_setup.label);
        return true;
    });
}

bool CSend_SMS_Thread::claim(int row, QString& number, QString& message)
{
    return m_run.queue().update(row, [&](QueueRow& r) {
        if (!RowAvailable(r) || !m_setup.label.contains(m_portPrefix))
            return false;
        const QString& useStatus = r[UseStatusColumn];
        const bool claimable = r[UsePortColumn].trimmed().isEmpty() ||
                               useStatus.contains(u"Sending...") ||
                               useStatus.contains(QueueText::RetryPrefix);
        if (!claimable)
            return false;
        r[UseStatusColumn] = QueueText::Sending();
        r[CurrentStatusColumn] = QueueText::SendingOn(m_setup.label);
        r[UsePortColumn] = m_portText;
        number = r[NumberColumn];
        message = r[MessageColumn];
        return true;
    });
}

QString CSend_SMS_Thread::submit(const QString& number, const QString& message, bool& deviceGone)
{
    if (m_setup.messageMode != 1 && m_setup.messageMode != 2)
        return QueueText::GenericError();
    SendRequest request;
    request.text = message;
    request.customSmsc = m_setup.customSmsc ? m_setup.smscNumber : QString();
    request.number = number;
    m_references.clear();
    if (m_run.context().deliveries)
        request.messageReferences = &m_references;
    try {
        const SubmitOutcome outcome =
            m_run.context().submitter.submit(m_channel, m_setup.Port_Num, m_setup.messageMode,
                                             request, [this] { return shouldEnd(); });
        m_recovery.answered();
        return outcome == SubmitOutcome::Stopped ? QueueText::Stopped() : StatusTexts::sentStatus();
    } catch (const CSMSException& error) {
        deviceGone = isSystemFailure(error) || m_channel.failure().has_value();
        QString status = submissionStatusText(error);
        if (deviceGone || !isNoResponse(error)) {
            m_recovery.answered();
        } else if (!shouldEnd()) {
            // A silent modem would otherwise claim row after row and time each one out.
            deviceGone = !m_recovery.recover(m_channel, m_setup.Port_Num, m_reopenChannel);
            status += m_recovery.note();
            if (!deviceGone)
                setUpDeliveryReports(); // the recovery's reset (AT&F) undid the routing
        }
        return status;
    }
}

void CSend_SMS_Thread::recordOutcome(int row, const QString& result)
{
    RunState& state = m_run.state();
    const bool retriesOn = m_run.context().options.retriesOn;
    const bool failed = result.contains(u"Error");
    enum class Written
    {
        Nothing,
        Stopped,
        Outcome
    };
    const Written written = m_run.queue().update(row, [&](QueueRow& r) {
        const bool stopped =
            r[StatusColumn].contains(u"Stopped") &&
            (r[UseStatusColumn].contains(u"Done") || r[CurrentStatusColumn].contains(u"Stopped"));
        if (stopped)
            return Written::Stopped;
        if (!ownsPortOf(r))
            return Written::Nothing;
        if (r[StatusColumn] == u"Stopped")
            return Written::Stopped;
        r[StatusColumn] = result;
        r[UseStatusColumn] = QueueText::Done();
        // A message that may be on the air waits for the user's word before it goes again.
        const bool unconfirmed = RowPredicates::IsUnconfirmed(r);
        if (retriesOn && failed && !unconfirmed && r[RetryColumn].toInt() < state.RetryLimit) {
            r[CurrentStatusColumn] = QueueText::WaitToDispatchRetry();
        } else {
            if (!failed)
                m_sentCount++;
            r[CurrentStatusColumn] = QueueText::DoneOn(m_setup.label);
        }
        return Written::Outcome;
    });
    if (written == Written::Nothing)
        return;
    if (written == Written::Outcome) {
        if (RunRecorder* journal = m_run.context().journal)
            journal->outcome(row, result, m_portText);
        state.ProcessedCount++;
        if (!failed)
            m_run.trace(QString::number(m_sentCount));
        state.SentSincePause++;
        m_run.UpdateProgress(m_setup.rowCount, m_setup.generation);
        if (state.PauseActive == 1)
            m_run.wake().raise(); // the pausing worker may be waiting for the last outcome
    }
    logSentItem(row, result);
    keepTemplate(row);
    m_run.UpdateProgress(m_setup.rowCount, m_setup.generation);
}

void CSend_SMS_Thread::logSentItem(int row, const QString& result)
{
    const RunOptions& options = m_run.context().options;
    if (!options.saveSentItems || !alive())
        return;
    const RunState& state = m_run.state();
    const bool retriesOn = options.retriesOn;
    // While retries are on a failure is logged only in the last round.
    if (retriesOn && result.contains(u"Error") && state.RetryRound != state.RetryLimit)
        return;
    m_run.logRow(
        row, [](const QueueRow& r) { return r[StatusColumn] != u"Stopped"; },
        retriesOn ? QStringLiteral("---\nsent item file not open-=2=--\n")
                  : QStringLiteral("---\nsent item file not open-=3=--\n"),
        false);
}

void CSend_SMS_Thread::keepTemplate(int row)
{
    if (!m_run.context().options.saveToTemplates || !alive())
        return;
    const auto [stopped, message] = m_run.queue().inspect(row, [](const QueueRow& r) {
        return std::pair(r[StatusColumn] == u"Stopped", r[MessageColumn]);
    });
    if (!stopped && !message.trimmed().isEmpty())
        m_run.keepTemplate(message);
}

void CSend_SMS_Thread::pauseIfDue()
{
    RunState& state = m_run.state();
    if (m_pauseEvery <= 0)
        return;
    state.capSentSincePause(m_pauseEvery);
    if (!alive() || !m_run.context().options.delayedDelivery ||
        state.SentSincePause != m_pauseEvery || state.ProcessedCount == m_setup.rowCount ||
        !m_pauseLength.isPause() || !AnyRowPending())
        return;
    int idle = 0;
    if (!state.PauseActive.compare_exchange_strong(idle, 1))
        return; // another worker started this pause
    pause(m_pauseLength.milliseconds());
}

void CSend_SMS_Thread::pause(std::int64_t milliseconds)
{
    RunState& state = m_run.state();
    m_run.trace(QStringLiteral("Pause of %1 ms after %2 rows")
                    .arg(milliseconds)
                    .arg(state.ProcessedCount.load()));
    state.PauseRemainingMs = milliseconds;
    m_run.showPauseText(milliseconds);
    m_run.timers().stopActivity();
    m_run.setActivity(0);
    m_run.timers().startCountdown();
    std::int64_t remaining = milliseconds;
    // A pause is there to space out what is still to send: once every row of the round has its
    // outcome (the last one may have been in flight on another modem when the pause began)
    // nothing is left to wait for.
    const auto over = [&] { return state.PauseActive != 1 || shouldEnd() || !AnyRowPending(); };
    while (remaining > 0 && !over()) {
        const auto step = std::uint32_t(std::min<std::int64_t>(remaining, IdleMs));
        m_run.wake().waitMs(step, over);
        remaining -= step;
        state.PauseRemainingMs = std::max<std::int64_t>(0, remaining);
    }
    m_run.timers().stopCountdown();
    state.PauseRemainingMs = 0;
    state.SentSincePause = 0;
    // Traced before the workers are let go, so no submission after the pause is told before it.
    m_run.trace(QStringLiteral("Pause ended"));
    state.PauseActive = 0; // before the label: a countdown tick checks it under the label's lock
    m_run.clearPauseLabel();
    m_run.wake().raise();
    m_run.timers().startActivity();
}
