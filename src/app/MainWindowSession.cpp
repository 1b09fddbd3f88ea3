#include "app/MainWindowSession.h"

#include "sending/JournalStatusRows.h"
#include "stores/DataFolder.h"

#include <QDateTime>
#include <QUrlQuery>

namespace {

JournalAtStart readJournal(const RunJournal& journal, const SentItemStore& sentItems)
{
    JournalAtStart found;
    if (!journal.load(found.journal) || !found.journal.isUnfinished())
        return found;
    std::vector<SentItem> records;
    sentItems.Load(records);
    const auto skip =
        std::min<std::size_t>(records.size(), std::size_t(found.journal.begin->sentItemsBefore));
    found.sentItemsSinceBegin.assign(std::make_move_iterator(records.begin() + qsizetype(skip)),
                                     std::make_move_iterator(records.end()));
    return found;
}

bool listHolds(const RecipientList& list, const ResumePlan& plan)
{
    if (list.count() != int(plan.rows.size()))
        return false;
    for (int i = 0; i < list.count(); ++i)
        if (list.at(i).Number != plan.rows[std::size_t(i)][NumberColumn] ||
            list.at(i).Message != plan.rows[std::size_t(i)][MessageColumn])
            return false;
    return true;
}

// The options of the run, under the names quillon-cli send --resume reads.
QString optionsText(const RunOptions& run, const SendOptions& send, int retries)
{
    QUrlQuery query;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    query.addQueryItem("retries", QString::number(retries));
    query.addQueryItem("skip-duplicates", flag(run.skipDuplicates));
    query.addQueryItem("use-exclusion-rules", flag(run.useExclusionRules));
    query.addQueryItem("save-sent-items", flag(run.saveSentItems));
    query.addQueryItem("save-to-templates", flag(run.saveToTemplates));
    query.addQueryItem("unicode", flag(send.unicode()));
    query.addQueryItem("notification", flag(send.flash()));
    query.addQueryItem("fast", flag(send.fast()));
    query.addQueryItem("delivery-reports", flag(send.deliveryReports()));
    return query.toString(QUrl::FullyEncoded);
}

} // namespace

MainWindowSession::MainWindowSession(const DataFolder& data, const Clock& clock, PortMap ports)
    : m_data(data), m_clock(clock), m_ports(std::move(ports)),
      m_submitter(clock, m_references, &m_sendOptions, &m_devices.details()),
      m_probe(m_ports, clock), m_sentItems(data), m_templateStore(data),
      m_sentTemplates(m_templateStore), m_reportStore(data),
      m_sentItemDeliveries(m_reportStore, m_devices, m_ports, clock), m_journal(data),
      m_inbox(data), m_inboxReader(m_inbox, m_devices, m_ports, clock), m_channels(m_ports, clock)
{
    m_journalReading =
        std::async(std::launch::async, [this] { return readJournal(m_journal, m_sentItems); });
}

SendingContext MainWindowSession::sendingContext(Prompter& prompter, RunHost* host,
                                                 ProcessStatusExport* exports)
{
    SendingContext context{m_runState, m_runOptions, m_devices,    m_channels,  m_submitter,
                           m_clock,    prompter,     m_recipients, m_exclusions};
    context.sentItems = &m_sentItems;
    context.templates = &m_sentTemplates;
    context.exports = exports;
    context.host = host;
    if (m_sendOptions.deliveryReports()) {
        m_deliveries = std::make_unique<DeliveryTracker>(&m_reportStore);
        context.deliveries = m_deliveries.get();
    }
    // A resumed run only while the list still is the journal's; any other is a new one.
    m_runningPlan.reset();
    if (m_resume && listHolds(m_recipients, *m_resume))
        m_runningPlan = std::move(m_resume);
    m_resume.reset();
    JournalRecorder::Setup setup;
    setup.options = optionsText(m_runOptions, m_sendOptions, m_runState.RetryLimit);
    setup.resuming = m_runningPlan.has_value();
    setup.run = quint64(QDateTime::currentMSecsSinceEpoch());
    setup.countSentItems = [this] {
        std::vector<SentItem> records;
        m_sentItems.Load(records);
        return qint64(records.size());
    };
    m_recorder = std::make_unique<JournalRecorder>(m_journal, std::move(setup), context.trace);
    context.journal = m_recorder.get();
    context.resume = m_runningPlan ? &*m_runningPlan : nullptr;
    context.inbox = &m_inbox;
    if (m_optOut.enabled) {
        m_optOutWatch = std::make_unique<OptOutWatch>(m_inbox, m_data, m_optOut);
        context.optOut = m_optOutWatch.get();
    }
    return context;
}

const JournalAtStart& MainWindowSession::journalAtStart()
{
    if (!m_journalAtStart)
        m_journalAtStart = m_journalReading.get();
    return *m_journalAtStart;
}

bool MainWindowSession::resumeRun(bool resendUnknown)
{
    const JournalAtStart& found = journalAtStart();
    if (!found.journal.isUnfinished())
        return false;
    m_resume = PlanResume(found.journal, resendUnknown, found.sentItemsSinceBegin);
    std::vector<RecipientRow> rows;
    rows.reserve(found.journal.rows.size());
    for (const JournalRowState& row : found.journal.rows)
        rows.push_back({row.number, row.text});
    m_recipients.clear();
    m_recipients.insertRecipients(0, std::move(rows));
    return true;
}

bool MainWindowSession::setRunAside(FileError* error)
{
    m_resume.reset();
    return m_journal.setAside(error);
}

std::vector<ProcessStatusRow> MainWindowSession::lastRunRows() const
{
    RunJournalContent journal;
    if (!m_journal.load(journal) || !journal.hasRun())
        return {};
    return JournalStatusRows(journal);
}

std::optional<QString> MainWindowSession::reloadSentTemplates()
{
    FileError error;
    if (m_sentTemplates.reload(&error))
        return std::nullopt;
    return FileErrorText(error);
}
