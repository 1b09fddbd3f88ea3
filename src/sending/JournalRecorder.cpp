#include "sending/JournalRecorder.h"

#include "stores/RunJournal.h"

JournalRecorder::JournalRecorder(RunJournal& journal, Setup setup,
                                 std::function<void(const QString&)> trace)
    : m_journal(journal), m_setup(std::move(setup)), m_trace(std::move(trace))
{}

void JournalRecorder::failed(const char* what) const
{
    if (m_trace && !m_failed.exchange(true))
        m_trace(QStringLiteral("Run journal: cannot write the %1 record; a crash from here on "
                               "may lose which rows went")
                    .arg(QString::fromLatin1(what)));
}

void JournalRecorder::begun(const std::vector<QueueRow>& rows)
{
    if (m_setup.resuming) {
        if (!m_journal.resume())
            failed("resume");
        return;
    }
    std::vector<JournalRow> journalRows;
    journalRows.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        journalRows.push_back({int(i), rows[i][NumberColumn], rows[i][MessageColumn], QString()});
    const JournalBegin begin{m_setup.run, m_setup.options, int(rows.size()),
                             m_setup.countSentItems ? m_setup.countSentItems() : 0};
    if (!m_journal.begin(begin, journalRows))
        failed("begin");
}

void JournalRecorder::submitting(int row, const QString& port)
{
    if (!m_journal.append(JournalSubmitting{row, port}, true))
        failed("submission");
}

void JournalRecorder::outcome(int row, const QString& status, const QString& port)
{
    if (!m_journal.append(JournalOutcome{row, status, port}, m_setup.syncOutcomes))
        failed("outcome");
}

void JournalRecorder::logged(int row)
{
    if (!m_journal.append(JournalLogged{row}, m_setup.syncOutcomes))
        failed("sent-item");
}

void JournalRecorder::finished()
{
    if (!m_journal.append(JournalFinished{}, true))
        failed("finish");
    m_journal.close();
}
