#include "outbox/OutboxRuns.h"

#include "modem/GsmLookalikes.h"
#include "sending/QueueRow.h"
#include "sending/QueueText.h"
#include "sending/RowPredicates.h"

#include <QSet>

std::vector<OutboxRun> SplitIntoRuns(const std::vector<OutboxRow>& rows)
{
    std::vector<OutboxRun> runs;
    std::vector<QSet<QString>> keys;
    for (const OutboxRow& row : rows) {
        const bool unicode = row.message.unicode || holdsNonGsmCharacters(row.message.text);
        const QString key = row.message.number + QChar(0x1f) + row.message.text;
        std::size_t i = 0;
        while (i < runs.size() && (runs[i].flash != row.message.flash ||
                                   runs[i].unicode != unicode || keys[i].contains(key)))
            ++i;
        if (i == runs.size()) {
            runs.push_back({row.message.flash, unicode, {}});
            keys.emplace_back();
        }
        runs[i].rows.push_back(row);
        keys[i].insert(key);
    }
    return runs;
}

OutboxOutcome OutcomeOfRow(const QueueRow& row, bool submissionBegan, const QString& references)
{
    const QString& status = row[StatusColumn];
    const QString port = row[UsePortColumn].trimmed().isEmpty()
                             ? QString()
                             : QStringLiteral("COM") + row[UsePortColumn].trimmed();
    OutboxOutcome outcome{{}, status, port, references};
    if (RowPredicates::IsSuccess(row))
        outcome.state = OutboxState::Sent;
    else if (RowPredicates::IsFailed(row))
        outcome.state = OutboxState::Failed;
    else if (status == QueueText::Excluded())
        outcome.state = OutboxState::Excluded;
    else if (status == QueueText::Skipped())
        outcome.state = OutboxState::Skipped;
    else if (submissionBegan)
        outcome.state = OutboxState::Unknown;
    else
        outcome = {OutboxState::Queued, {}, {}, {}};
    return outcome;
}
