#include "support/SoakRun.h"

#include "base/Clock.h"
#include "devices/DeviceState.h"
#include "modem/CSMSException.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/SendOptions.h"
#include "recipients/RecipientList.h"
#include "sending/ModemChannelTable.h"
#include "sending/ModemSubmitter.h"
#include "sending/QueueRow.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"
#include "sending/SendingRun.h"
#include "sending/SentTemplates.h"
#include "stores/DataFolder.h"
#include "stores/RecordFile.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"
#include "support/ScriptedPrompter.h"
#include "support/SimulatedModems.h"
#include "support/WaitUntil.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <sstream>
#include <thread>

namespace {

constexpr int FirstPort = 3;
constexpr int ChannelTimeoutMs = 5000; // what the run opens its channels with
constexpr std::size_t ViolationsShown = 25;

using Rng = std::mt19937_64;

int between(Rng& rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// The texts rows carry: short, two-line, long (several parts), extension characters, UCS2,
// long UCS2, and a text that differs from a stored template only in letter case.
const QStringList& vocabulary()
{
    static const QStringList texts = {
        QStringLiteral("Hello there"),
        QStringLiteral("Two lines\nsecond line"),
        QStringLiteral("Reminder: your appointment is tomorrow at 10:30. Please bring the letter "
                       "we sent you, your card and a list of the medicines you take. Reply STOP "
                       "to end these messages. Thank you."),
        QStringLiteral("Price 5\u20AC [offer] {today} ~ only"),
        QStringLiteral("\u041F\u0440\u0438\u0432\u0435\u0442, \u043C\u0438\u0440"),
        QStringLiteral("\u00BFD\u00F3nde est\u00E1? \u4F60\u597D \u4E16\u754C. This one is long "
                       "enough in UCS2 to take two parts on the air, \u4F60\u597D."),
        QStringLiteral("HELLO THERE"),
    };
    return texts;
}

// Profile items per fault kind; the numbers of each kind come from the seed.
QString faultProfile(int kind, Rng& rng, unsigned clockFactor, int rowsPerModem)
{
    const int timeoutMs = std::max(1, int(ChannelTimeoutMs / clockFactor));
    switch (kind % 7) {
    case 0:
        return QStringLiteral("cms-error=%1,every=%2")
            .arg(QList<int>{38, 42, 21, 330}[between(rng, 0, 3)])
            .arg(between(rng, 2, 6));
    case 1:
        switch (between(rng, 0, 2)) {
        case 0:
            return QStringLiteral("urc=RING,urc-every=%1").arg(between(rng, 1, 3));
        case 1:
            return QStringLiteral("urc=\"+CSQ: 20,99\",urc=\"+CREG: 1\"");
        default:
            return QStringLiteral("urc=^RSSI:20,urc=\"^MODE:5,4\",urc-inside,urc-every=%1")
                .arg(between(rng, 1, 3));
        }
    case 2:
        return QStringLiteral("vanish=%1").arg(between(rng, 3, std::max(3, rowsPerModem / 2)));
    case 3:
        return QStringLiteral("hang");
    case 4:
        return QStringLiteral("echo-only");
    case 5:
        // Now and then an answer after the channel gave up on it.
        if (between(rng, 0, 1))
            return QStringLiteral("late=%1,late-every=%2")
                .arg(timeoutMs * 3 / 2)
                .arg(between(rng, 5, 20));
        return QStringLiteral("latency=%1").arg(between(rng, 1, std::max(1, timeoutMs / 5)));
    default:
        return QStringLiteral("cms-error=500,every=%1").arg(between(rng, 5, 20));
    }
}

// Faulty modems first in kind order so that every kind is present once there are enough
// modems, then normal ones; the order of the ports is shuffled.
QStringList modemProfiles(const SoakScenario& s, Rng& rng, int& faulty)
{
    faulty = s.modems <= 4 ? s.modems - 1 : s.modems * 3 / 8;
    QStringList profiles;
    const int rowsPerModem = s.rows / std::max(1, s.modems);
    for (int i = 0; i < s.modems; ++i)
        profiles.append(i < faulty ? faultProfile(i, rng, s.clockFactor, rowsPerModem) : QString());
    std::shuffle(profiles.begin(), profiles.end(), rng);
    return profiles;
}

struct Recipients
{
    std::vector<RecipientRow> rows;
    QStringList excluded;
};

// Unique numbers, some of them repeated later in the list, some excluded (one of those also
// repeated), and exclusions of numbers that are not in the list at all.
Recipients makeRecipients(int count, Rng& rng)
{
    Recipients r;
    const QStringList& texts = vocabulary();
    for (int i = 0; i < count; ++i) {
        QString number = QStringLiteral("+4477009%1").arg(10000 + i);
        if (i > 0 && between(rng, 0, 99) < 6)
            number = r.rows[std::size_t(between(rng, 0, i - 1))].Number;
        else if (between(rng, 0, 99) < 4)
            r.excluded.append(number);
        r.rows.push_back({number, texts[between(rng, 0, int(texts.size()) - 1)]});
    }
    for (int i = 0; i < 5; ++i)
        r.excluded.append(QStringLiteral("+4479%1").arg(between(rng, 1000000, 9999999)));
    return r;
}

// Submits through the real senders and keeps every attempt. The text goes out with the retry
// round in front ("R1 "), so the air itself tells in which round each message was sent.
class RoundTaggingSubmitter : public MessageSubmitter
{
public:
    struct Attempt
    {
        QString number;
        int round = 0;
    };

    RoundTaggingSubmitter(MessageSubmitter& inner, const RunState& state)
        : m_inner(inner), m_state(state)
    {}

    SubmitOutcome submit(ModemChannel& channel, int port, int mode, const SendRequest& request,
                         const std::function<bool()>& stop) override
    {
        const int round = m_state.RetryRound;
        {
            std::lock_guard lock(m_mutex);
            m_attempts.push_back({request.number, round});
        }
        if (round > 0)
            ++m_retryAttempts;
        SendRequest tagged = request;
        tagged.text = QStringLiteral("R%1 ").arg(round) + request.text;
        try {
            return m_inner.submit(channel, port, mode, tagged, stop);
        } catch (...) {
            std::lock_guard lock(m_mutex);
            ++m_failures;
            throw;
        }
    }

    std::vector<Attempt> attempts() const
    {
        std::lock_guard lock(m_mutex);
        return m_attempts;
    }
    int retryAttempts() const { return m_retryAttempts; }
    int failures() const
    {
        std::lock_guard lock(m_mutex);
        return m_failures;
    }

private:
    MessageSubmitter& m_inner;
    const RunState& m_state;
    mutable std::mutex m_mutex;
    std::vector<Attempt> m_attempts;
    int m_failures = 0;
    std::atomic<int> m_retryAttempts{0};
};

int threadCount()
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/task"))
        ++count;
    return count;
}

const std::vector<SentItem> OldRecords = {
    {QStringLiteral("+441234567890"), QStringLiteral("from an earlier day"),
     QStringLiteral("02/01/2020"), QStringLiteral("Message sent successfully.")},
    {QStringLiteral("+441234567891"), QStringLiteral("two\nlines"), QStringLiteral("03/01/2020"),
     QStringLiteral("Error : +CMS ERROR: 38")},
};
const QStringList OldTemplates = {QStringLiteral("hello there"), QStringLiteral("An old template")};

class Violations
{
public:
    template <class... A> void add(A&&... parts)
    {
        ++m_total;
        if (m_lines.size() >= ViolationsShown)
            return;
        std::ostringstream out;
        (out << ... << parts);
        m_lines.push_back(out.str());
    }
    std::vector<std::string> take()
    {
        if (m_total > m_lines.size())
            m_lines.push_back("... and " + std::to_string(m_total - m_lines.size()) + " more");
        return std::move(m_lines);
    }
    std::size_t total() const { return m_total; }

private:
    std::vector<std::string> m_lines;
    std::size_t m_total = 0;
};

std::string str(const QString& text)
{
    return text.toStdString();
}

bool isSuccess(const QString& status)
{
    return status == u"Message sent successfully.";
}
// A modem's error, or a message whose modem went away before confirming it.
bool isError(const QString& status)
{
    return status.startsWith(u"Error : ") &&
           (status.contains(u"+CMS ERROR") || status.contains(u"+CME ERROR") ||
            status.startsWith(QStringLiteral("Error : ") + UnconfirmedErrorText()));
}
bool isLoggable(const QString& status)
{
    return isSuccess(status) || isError(status);
}

// Everything a run works with, owned here the way the main window owns it.
class SoakBench
{
public:
    explicit SoakBench(const SoakScenario& s) : m_s(s), m_rng(s.seed), m_clock(s.clockFactor)
    {
        m_data.EnsureDataFolder();
    }

    SoakResult run()
    {
        // ThreadSanitizer starts a helper thread of its own with the process's first thread;
        // start one first so the baseline already holds it.
        std::thread([] {}).join();
        const int baselineThreads = threadCount();
        seedStores();
        startModems();
        fillRecipients();
        setOptions();
        m_dayBefore = QDate::currentDate();
        startRun();
        driveToEnd();
        m_dayAfter = QDate::currentDate();
        if (m_settled)
            checkEverything();
        m_run.reset();
        m_simulated.stop();
        if (const int left = threadCount(); left != baselineThreads)
            m_v.add("threads left after the run: ", left, " (", baselineThreads, " before)");
        const std::size_t total = m_v.total();
        return {m_f, m_v.take(), total};
    }

private:
    void seedStores()
    {
        for (const SentItem& old : OldRecords)
            m_sentItems.Append(old.number, old.message, old.status,
                               QDate::fromString(old.date, QStringLiteral("dd/MM/yyyy")));
        m_templateStore.AppendTemplates(OldTemplates);
        m_templates.reload();
    }

    void startModems()
    {
        const QStringList profiles = modemProfiles(m_s, m_rng, m_f.faultyModems);
        m_f.profiles = profiles;
        QList<DeviceChoice> choices;
        QList<int> modes;
        QStringList labels;
        for (int i = 0; i < m_s.modems; ++i) {
            const int port = FirstPort + i;
            const QString label = QStringLiteral("COM%1 - Soak modem %1").arg(port);
            choices.append({label, port});
            modes.append(between(m_rng, 0, 3) == 0 ? 2 : 1); // a quarter in text mode
            labels.append(label);
        }
        choices.append({AllDeviceText(), 0});
        modes.append(0);
        labels.append(AllDeviceText());
        m_devices.setChoiceList(choices, int(choices.size()) - 1);
        m_devices.setDeviceModeList(modes);
        m_devices.setDeviceList(labels, int(labels.size()) - 1);
        // Quiet: unsolicited lines are one of the faults drawn, so only the modems given them
        // print any.
        m_simulated.start(profiles, SimulatedModems::Noise::Quiet);
    }

    void fillRecipients()
    {
        Recipients r = makeRecipients(m_s.rows, m_rng);
        m_exclusions.add(r.excluded);
        m_list.insertRecipients(0, std::move(r.rows));
        m_f.rows = m_s.rows;
    }

    void setOptions()
    {
        m_options.skipDuplicates = true;
        m_options.useExclusionRules = true;
        m_options.retriesOn = m_s.retryLimit > 0;
        m_options.saveSentItems = true;
        m_options.saveToTemplates = true;
        m_options.delayedDelivery = m_s.pauseEvery > 0;
        m_state.setPauseTexts(QString::number(m_s.pauseEvery), QStringLiteral("10 Seconds"));
        m_state.RetryRound = 0;
        m_state.RetryRoundActive = 0;
        m_state.RetryLimit = m_s.retryLimit;
        // Stop: not at all, once some messages are on the air, or once a retry round has
        // made some attempts.
        m_stopKind = m_s.mayStop ? between(m_rng, 0, 2) : 0;
        m_stopAfterAir = between(m_rng, 1, std::max(1, m_s.rows / 3));
        m_stopAfterRetries = between(m_rng, 1, 20);
        m_resendUnconfirmed = between(m_rng, 0, 1) == 1;
    }

    void startRun()
    {
        SendingContext c{m_state,    m_options, m_devices,    m_channels,   m_tagger,     m_clock,
                         m_prompter, m_list,    m_exclusions, &m_sentItems, &m_templates, nullptr,
                         nullptr,    {}};
        m_run = std::make_unique<SendingRun>(c);
        m_run->open();
    }

    bool stopDue() const
    {
        if (m_stopKind == 1)
            return int(m_simulated.air().size()) >= m_stopAfterAir;
        return m_stopKind == 2 && m_tagger.retryAttempts() >= m_stopAfterRetries;
    }

    void driveToEnd()
    {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::seconds(m_s.settleSeconds);
        bool stopped = false;
        while (!(m_settled = m_run->waitUntilSettled(std::chrono::milliseconds(10)))) {
            if (std::chrono::steady_clock::now() > deadline) {
                m_v.add("the run did not finish within ", m_s.settleSeconds, " s");
                return;
            }
            if (m_run->view().resendQuestionRows > 0) {
                ++m_f.resendQuestions;
                m_run->answerResendQuestion(m_resendUnconfirmed);
            }
            if (stopped || !stopDue())
                continue;
            stopped = true;
            m_prompter.answer(true);
            m_run->stopPressed();
            m_f.stop = m_stopKind == 1
                           ? QStringLiteral("after %1 messages on the air").arg(m_stopAfterAir)
                           : QStringLiteral("in retry round %1 after %2 retries")
                                 .arg(m_state.RetryRound.load())
                                 .arg(m_stopAfterRetries);
        }
    }

    void checkEverything()
    {
        const RunView view = m_run->view();
        if (view.statusLabel != u"Finish." || view.stopButtonText != u"Close")
            m_v.add("the run ended without \"Finish.\": label \"", str(view.statusLabel),
                    "\", button \"", str(view.stopButtonText), "\"");
        if (!m_state.workerRegistry.empty())
            m_v.add("a worker is still registered after the run");
        m_f.rounds = m_state.RetryRound;
        m_rows = m_run->queue().rows(0, m_run->queue().rowCount());
        if (int(m_rows.size()) != m_s.rows)
            m_v.add("queue holds ", m_rows.size(), " rows, the list ", m_s.rows);
        checkRows();
        checkAttempts();
        checkAir();
        checkSentItems();
        checkTemplates();
        checkClosing();
    }

    // Close on the finished window closes it and hands the run state back as it was.
    void checkClosing()
    {
        const int generationBefore = m_state.RunGeneration - 1;
        m_run->closePressed();
        if (!waitUntil([&] { return m_run->view().closed; })) {
            m_v.add("Close on the finished window does not close it");
            return;
        }
        if (m_state.RunOpen != 0 || m_state.RunGeneration != generationBefore)
            m_v.add("after closing: RunOpen ", m_state.RunOpen.load(), ", RunGeneration ",
                    m_state.RunGeneration.load());
        if (m_run->queue().rowCount() != 0)
            m_v.add("after closing the queue still holds ", m_run->queue().rowCount(), " rows");
    }

    // The verdict a row must get from the exclusion and duplicate rules.
    QString expectedVerdict(std::size_t i, QSet<QString>& seen) const
    {
        const QString& number = m_rows[i][NumberColumn];
        const bool repeated = seen.contains(number.toCaseFolded());
        seen.insert(number.toCaseFolded());
        if (m_exclusions.IsExcluded(number))
            return QStringLiteral("Excluded.");
        return repeated ? QStringLiteral("Skipped.") : QString();
    }

    void checkRows()
    {
        QSet<QString> seen;
        const bool stopPressed = !m_f.stop.isEmpty();
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const QueueRow& row = m_rows[i];
            const QString& status = row[StatusColumn];
            const QString verdict = expectedVerdict(i, seen);
            const std::string where =
                "row " + std::to_string(i) + " (" + str(row[NumberColumn]) + "): ";
            if (isSuccess(status))
                ++m_f.sent;
            else if (isError(status))
                ++m_f.failed;
            else if (status == u"Excluded.")
                ++m_f.excluded;
            else if (status == u"Skipped.")
                ++m_f.skipped;
            else if (status == u"Stopped")
                ++m_f.stopped;
            else
                m_v.add(where, "status \"", str(status), "\" is no outcome");
            if (status == u"Stopped" && !stopPressed)
                m_v.add(where, "\"Stopped\" without a stop");
            if (!verdict.isEmpty() && status != verdict && !(stopPressed && status == u"Stopped"))
                m_v.add(where, "expected \"", str(verdict), "\", got \"", str(status), "\"");
            if (verdict.isEmpty() && (status == u"Excluded." || status == u"Skipped."))
                m_v.add(where, "\"", str(status), "\" for a first, allowed number");
            // A stop between rounds may leave "Use Status" waiting for a round that never
            // comes; the row is settled all the same, as "Current Status" shows.
            const QString& use = row[UseStatusColumn];
            if (use.contains(u"Sending") || (use == u"Wait to dispatch..." && !stopPressed))
                m_v.add(where, "\"Use Status\" left at \"", str(use), "\"");
            const QString& current = row[CurrentStatusColumn];
            if (current != u"Stopped" &&
                !(current.startsWith(u"Done (COM") && current.endsWith(u')')))
                m_v.add(where, "\"Current Status\" left at \"", str(current), "\"");
            bool numeric = false;
            const int retry = row[RetryColumn].toInt(&numeric);
            if (!numeric || retry < 0 || retry > m_s.retryLimit)
                m_v.add(where, "\"Retry\" is \"", str(row[RetryColumn]), "\"");
            const bool marked = row[SentItemColumn] == u"1";
            if (marked != isLoggable(status))
                m_v.add(where, "\"Sent_item\" \"", str(row[SentItemColumn]), "\" for status \"",
                        str(status), "\"");
        }
    }

    // Rows that may be submitted: first occurrences of numbers that are not excluded.
    std::map<QString, std::size_t> submittableRows() const
    {
        std::map<QString, std::size_t> rows;
        QSet<QString> seen;
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            if (expectedVerdict(i, seen).isEmpty())
                rows.emplace(m_rows[i][NumberColumn], i);
        return rows;
    }

    void checkAttempts()
    {
        const auto submittable = submittableRows();
        std::map<std::pair<QString, int>, int> perRound;
        const auto attempts = m_tagger.attempts();
        m_f.attempts = int(attempts.size());
        m_f.failedAttempts = m_tagger.failures();
        for (const auto& a : attempts) {
            if (!submittable.count(a.number))
                m_v.add("submission for ", str(a.number), ", which is skipped or excluded");
            if (++perRound[{a.number, a.round}] == 2)
                m_v.add("row ", str(a.number), " claimed twice in round ", a.round);
        }
    }

    void checkAir()
    {
        static const QRegularExpression tag(QStringLiteral("^R(\\d+) "));
        const auto submittable = submittableRows();
        std::map<std::pair<QString, int>, int> perRound;
        std::set<QString> onAir;
        const auto air = m_simulated.air();
        m_f.airMessages = int(air.size());
        for (const sim::AirMessage& m : air) {
            const auto match = tag.match(m.text);
            if (m.part != 1 || !match.hasMatch())
                continue; // later parts and later pieces of a long text-mode message
            const int round = match.captured(1).toInt();
            const auto row = submittable.find(m.destination);
            if (row == submittable.end()) {
                m_v.add("on the air to ", str(m.destination), ", not a submittable row");
                continue;
            }
            onAir.insert(m.destination);
            if (++perRound[{m.destination, round}] == 2)
                m_v.add("row ", row->second, " on the air twice in round ", round);
            if (round > m_rows[row->second][RetryColumn].toInt())
                m_v.add("row ", row->second, " on the air in round ", round, " after its last");
        }
        for (const auto& [number, index] : submittable)
            if (isSuccess(m_rows[index][StatusColumn]) && !onAir.count(number))
                m_v.add("row ", index, " reads sent but never went on the air");
    }

    void checkSentItems()
    {
        std::vector<SentItem> records;
        if (!m_sentItems.Load(records)) {
            m_v.add("the sent-item file cannot be read");
            return;
        }
        QStringList lines;
        RecordFile::ReadLines(m_sentItems.path(), lines);
        lines.removeAll(QString());
        if (lines.size() != qsizetype(records.size()))
            m_v.add("sent-item file: ", lines.size(), " lines but ", records.size(),
                    " records parse back");
        for (std::size_t i = 0; i < OldRecords.size(); ++i)
            if (i >= records.size() || !(records[i] == OldRecords[i]))
                m_v.add("sent-item record ", i, " of an earlier day changed or lost");
        const QStringList days = {SentItemRecord::DateText(m_dayBefore),
                                  SentItemRecord::DateText(m_dayAfter)};
        std::map<QString, SentItem> byNumber;
        for (std::size_t i = OldRecords.size(); i < records.size(); ++i) {
            const SentItem& r = records[i];
            if (!days.contains(r.date))
                m_v.add("sent-item record for ", str(r.number), " dated \"", str(r.date), "\"");
            if (!byNumber.emplace(r.number, r).second)
                m_v.add("sent-item record for ", str(r.number), " written twice");
        }
        m_f.logged = int(records.size() - std::min(records.size(), OldRecords.size()));
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const QueueRow& row = m_rows[i];
            const auto it = byNumber.find(row[NumberColumn]);
            const bool loggable = isLoggable(row[StatusColumn]);
            if (it == byNumber.end()) {
                if (loggable)
                    m_v.add("row ", i, " (", str(row[StatusColumn]), ") has no sent-item record");
                continue;
            }
            if (!loggable)
                continue; // a skipped repeat of a logged number
            if (it->second.message != row[MessageColumn] || it->second.status != row[StatusColumn])
                m_v.add("row ", i, " logged as \"", str(it->second.message), "\" / \"",
                        str(it->second.status), "\", the row reads \"", str(row[StatusColumn]),
                        "\"");
            byNumber.erase(it);
        }
        for (const auto& [number, record] : byNumber)
            m_v.add("sent-item record for ", str(number), " (", str(record.status),
                    ") matches no loggable row");
    }

    void checkTemplates()
    {
        QStringList lines;
        if (!RecordFile::ReadLines(m_templateStore.path(), lines)) {
            m_v.add("the templates file cannot be read");
            return;
        }
        QSet<QString> keys;
        for (const QString& line : lines) {
            const QString text = RecordFile::FromRecordText(line);
            if (keys.contains(text.toCaseFolded()))
                m_v.add("template \"", str(text), "\" stored twice");
            keys.insert(text.toCaseFolded());
        }
        for (const QString& old : OldTemplates)
            if (!lines.contains(old))
                m_v.add("template \"", str(old), "\" of before the run lost");
        for (const QueueRow& row : m_rows)
            if (isLoggable(row[StatusColumn]) && !keys.contains(row[MessageColumn].toCaseFolded()))
                m_v.add("sent text \"", str(row[MessageColumn]), "\" not kept as a template");
    }

    const SoakScenario& m_s;
    Rng m_rng;
    QTemporaryDir m_home;
    DataFolder m_data{m_home.path()};
    Clock m_clock;
    SimulatedModems m_simulated{FirstPort};
    ModemChannelTable m_channels{m_simulated.ports(), m_clock};
    RunState m_state;
    RunOptions m_options;
    DeviceState m_devices;
    ExclusionSet m_exclusions;
    ScriptedPrompter m_prompter;
    RecipientList m_list;
    SentItemStore m_sentItems{m_data};
    TemplateStore m_templateStore{m_data};
    SentTemplates m_templates{m_templateStore};
    ConcatReferenceCounter m_references;
    SendOptions m_sendOptions;
    ModemSubmitter m_modems{m_clock, m_references, &m_sendOptions, &m_devices.details()};
    RoundTaggingSubmitter m_tagger{m_modems, m_state};
    std::unique_ptr<SendingRun> m_run;

    int m_stopKind = 0;
    int m_stopAfterAir = 0;
    int m_stopAfterRetries = 0;
    bool m_resendUnconfirmed = false; // the answer to a retry round's question
    bool m_settled = false;
    QDate m_dayBefore, m_dayAfter;
    std::vector<QueueRow> m_rows;
    SoakFigures m_f;
    Violations m_v;
};

} // namespace

SoakResult RunSoak(const SoakScenario& scenario)
{
    return SoakBench(scenario).run();
}

std::string SoakSummary(const SoakScenario& s, const SoakResult& r)
{
    const SoakFigures& f = r.figures;
    std::ostringstream out;
    out << "seed " << s.seed << ": " << f.rows << " rows, " << s.modems << " modems ("
        << f.faultyModems << " faulty), " << f.attempts << " attempts, " << f.failedAttempts
        << " failed, " << f.airMessages << " on the air, " << f.rounds << " retry rounds ("
        << f.resendQuestions << " asked about unconfirmed rows); sent " << f.sent << ", error "
        << f.failed << ", excluded " << f.excluded << ", skipped " << f.skipped << ", stopped "
        << f.stopped << ", logged " << f.logged
        << "; stop: " << (f.stop.isEmpty() ? std::string("none") : f.stop.toStdString()) << "; "
        << r.violationCount << " violations\n  profiles:";
    for (const QString& profile : f.profiles)
        out << " [" << (profile.isEmpty() ? std::string("normal") : profile.toStdString()) << "]";
    return out.str();
}
