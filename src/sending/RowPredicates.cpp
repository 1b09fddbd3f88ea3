#include "sending/RowPredicates.h"

#include "base/StatusTexts.h"
#include "modem/CSMSException.h"
#include "sending/QueueText.h"

namespace RowPredicates {

namespace {

bool isBlank(const QString& cell)
{
    return cell.trimmed().isEmpty();
}

} // namespace

bool IsPending(const QueueRow& row)
{
    const QString& useStatus = row[UseStatusColumn];
    if (!isBlank(row[StatusColumn]))
        return useStatus.contains(QueueText::RetryPrefix) || useStatus.contains(u"Sending");
    return useStatus.contains(u"Wait to dispatch...") || useStatus == u"Sending...";
}

bool IsWaiting(const QueueRow& row)
{
    return row[UseStatusColumn].contains(u"Wait to dispatch...") ||
           row[CurrentStatusColumn].contains(QueueText::RetryPrefix);
}

bool IsBusy(const QueueRow& row)
{
    return row[UseStatusColumn].contains(u"Sending") || IsWaiting(row);
}

bool IsFailed(const QueueRow& row)
{
    return row[StatusColumn].contains(u"Error");
}

bool IsUnconfirmed(const QueueRow& row)
{
    return IsFailed(row) && (row[StatusColumn].contains(UnconfirmedErrorText()) ||
                             row[StatusColumn] == QueueText::OutcomeUnknown());
}

bool IsLogged(const QueueRow& row)
{
    return row[SentItemColumn] == u"1";
}

bool HasLoggableStatus(const QueueRow& row)
{
    const QString& status = row[StatusColumn];
    return !isBlank(status) && status != u"Stopped" && status != u"Skipped." &&
           status != u"Excluded.";
}

bool IsSuccess(const QueueRow& row)
{
    return StatusTexts::isSentStatus(row[StatusColumn]);
}

} // namespace RowPredicates
