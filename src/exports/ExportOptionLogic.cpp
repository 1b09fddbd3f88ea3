#include "exports/ExportOptionLogic.h"

#include "base/Prompter.h"

#include <algorithm>

ExportOptionLogic::ExportOptionLogic(Prompter& prompter, const std::vector<SentItem>& records,
                                     StatusChoice choice, const QDate& today)
    : m_prompter(prompter), m_records(records), m_choice(choice), m_today(today)
{}

ExportOptionLogic::Verdict ExportOptionLogic::check(const QDate& start, const QDate& end)
{
    if (end < start) {
        m_prompter.inform(tr("Message"),
                          tr("End date should be greater than or equal to Start date."),
                          Prompter::Icon::Information);
        return Verdict::EndBeforeStart;
    }
    const SentItemsExportOptions chosen = options(start, end, defaultFormat());
    const bool any = std::any_of(m_records.begin(), m_records.end(), [&](const SentItem& item) {
        return IsSentItemSelected(item, chosen);
    });
    if (!any) {
        m_prompter.inform(tr("Message"), tr("There is no record for selected duration."),
                          Prompter::Icon::Information);
        return Verdict::NoRecord;
    }
    return Verdict::Accepted;
}

SentItemsExportOptions ExportOptionLogic::options(const QDate& start, const QDate& end,
                                                  ExportFormat format) const
{
    return {m_choice, start, end, format};
}
