#pragma once

#include "exports/SentItemsExportJob.h"

#include <QCoreApplication>
#include <vector>

class Prompter;

// The sent-items export options (`CExport_Option`) without their widgets: the period, preset to
// the 30 days before today, and the format, preset to text.
class ExportOptionLogic
{
    Q_DECLARE_TR_FUNCTIONS(ExportOptionLogic)

public:
    enum class Verdict
    {
        Accepted,
        EndBeforeStart, // the end date takes the focus
        NoRecord        // the dialog stays open
    };

    ExportOptionLogic(Prompter& prompter, const std::vector<SentItem>& records, StatusChoice choice,
                      const QDate& today);

    QDate defaultStart() const { return m_today.addDays(-30); }
    QDate defaultEnd() const { return m_today; }
    static ExportFormat defaultFormat() { return ExportFormat::Txt; }

    // The check of OK, saying why it refuses.
    Verdict check(const QDate& start, const QDate& end);
    // The options OK hands to the export.
    SentItemsExportOptions options(const QDate& start, const QDate& end, ExportFormat format) const;

private:
    Prompter& m_prompter;
    const std::vector<SentItem>& m_records;
    StatusChoice m_choice;
    QDate m_today;
};
