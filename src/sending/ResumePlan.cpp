#include "sending/ResumePlan.h"

#include "base/StatusTexts.h"
#include "sending/QueueText.h"
#include "sending/RowPredicates.h"

#include <QHash>

namespace {

QString keyOf(const QString& number, const QString& message, const QString& status)
{
    return number + u'\x0B' + message + u'\x0B' + status;
}

QString portLabel(const QString& port)
{
    return QStringLiteral("COM") + port;
}

} // namespace

ResumePlan PlanResume(const RunJournalContent& journal, bool resendUnknown,
                      const std::vector<SentItem>& sentItemsSinceBegin)
{
    ResumePlan plan;
    // Records in the log that no journal mark accounts for, by what they say; below 0 where
    // marks outnumber records (a power cut took records the journal's marks outlived).
    QHash<QString, int> unaccounted;
    for (const SentItem& item : sentItemsSinceBegin)
        ++unaccounted[keyOf(item.number, item.message, item.status)];
    for (const JournalRowState& row : journal.rows)
        if (row.logged && row.status)
            --unaccounted[keyOf(row.number, row.text, *row.status)];

    plan.rows.reserve(journal.rows.size());
    for (std::size_t i = 0; i < journal.rows.size(); ++i) {
        const JournalRowState& state = journal.rows[i];
        QueueRow row;
        row[NumberColumn] = state.number;
        row[MessageColumn] = state.text;
        row[RetryColumn] = QueueText::Zero();
        const bool unknown = state.outcomeUnknown() && !resendUnknown;
        if (state.status || unknown) {
            const QString port = state.status ? state.outcomePort : state.submittingPort;
            row[StatusColumn] = state.status ? *state.status : QueueText::OutcomeUnknown();
            row[UsePortColumn] = port;
            row[UseStatusColumn] = QueueText::Done();
            row[CurrentStatusColumn] = QueueText::DoneOn(portLabel(port));
            if (state.logged)
                row[SentItemColumn] = QueueText::LoggedMarker();
            int& balance = unaccounted[keyOf(state.number, state.text, row[StatusColumn])];
            if (state.logged && balance < 0) {
                ++balance;
                row[SentItemColumn].clear();
            }
            ++plan.doneRows;
            if (unknown)
                plan.unknown.push_back(int(i));
        } else {
            row[UseStatusColumn] = row[CurrentStatusColumn] = QueueText::WaitToDispatch();
        }
        if (state.status && row[SentItemColumn].isEmpty() &&
            RowPredicates::HasLoggableStatus(row)) {
            int& surplus = unaccounted[keyOf(state.number, state.text, *state.status)];
            if (surplus > 0 && !state.logged) {
                --surplus;
                row[SentItemColumn] = QueueText::LoggedMarker();
                plan.alreadyLogged.push_back(int(i));
            } else if (StatusTexts::isSentStatus(*state.status)) {
                plan.toLog.push_back(int(i));
            }
        }
        plan.rows.push_back(std::move(row));
    }
    return plan;
}
