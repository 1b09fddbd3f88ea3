#include "sending/JournalStatusRows.h"

#include "sending/ResumePlan.h"

std::vector<ProcessStatusRow> JournalStatusRows(const RunJournalContent& journal)
{
    const ResumePlan plan = PlanResume(journal, false, {});
    std::vector<ProcessStatusRow> rows;
    rows.reserve(plan.rows.size());
    for (const QueueRow& row : plan.rows)
        rows.push_back({row[NumberColumn], row[MessageColumn], row[CurrentStatusColumn],
                        row[StatusColumn], row[RetryColumn]});
    return rows;
}
