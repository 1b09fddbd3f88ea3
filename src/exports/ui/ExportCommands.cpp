#include "exports/ui/ExportCommands.h"

#include "exports/ListExports.h"
#include "exports/SentItemsExportJob.h"
#include "exports/ui/DesktopFileOpener.h"
#include "exports/ui/ExportOption.h"
#include "exports/ui/ExportResultDialog.h"
#include "exports/ui/FileSaveDialog.h"
#include "exports/ui/StatusChoiceDialog.h"
#include "exports/ui/WaitingExportWorker.h"
#include "widgets/MessageBoxPrompter.h"

#include <QDate>
#include <QScopedValueRollback>

namespace {

template <typename Interface, typename Real>
Interface& chosen(Interface* seam, std::optional<Real>& real, QWidget* parent)
{
    if (seam)
        return *seam;
    return real.emplace(parent);
}

} // namespace

void ExportCommands::withExporter(QWidget* parent,
                                  const std::function<void(Exporter&, Prompter&)>& work)
{
    if (m_running)
        return;
    const QScopedValueRollback running(m_running, true);
    std::optional<MessageBoxPrompter> boxes;
    std::optional<FileSaveDialog> dialog;
    std::optional<WaitingExportWorker> worker;
    std::optional<ExportResultDialogPrompt> resultPrompt;
    std::optional<DesktopFileOpener> opener;
    Prompter& prompter = chosen(m_seams.prompter, boxes, parent);
    Exporter exporter({chosen(m_seams.saveDialog, dialog, parent), prompter,
                       chosen(m_seams.worker, worker, parent),
                       chosen(m_seams.resultPrompt, resultPrompt, parent),
                       chosen(m_seams.opener, opener, parent)});
    work(exporter, prompter);
}

void ExportCommands::exportRecipientList(QWidget* parent,
                                         const std::function<void(Exporter&)>& write)
{
    withExporter(parent, [&write](Exporter& exporter, Prompter&) { write(exporter); });
}

void ExportCommands::exportExclusionList(QWidget* parent, const QStringList& numbers)
{
    withExporter(parent, [&numbers](Exporter& exporter, Prompter&) {
        ExportExclusionList(exporter, numbers);
    });
}

void ExportCommands::exportTemplates(QWidget* parent, const QStringList& newestFirst)
{
    withExporter(parent, [&newestFirst](Exporter& exporter, Prompter&) {
        ExportTemplates(exporter, newestFirst);
    });
}

void ExportCommands::exportSentItems(QWidget* parent, const std::vector<SentItem>& records,
                                     const std::vector<QString>& deliveries)
{
    withExporter(parent, [parent, &records, &deliveries](Exporter& exporter, Prompter& prompter) {
        StatusChoiceDialog choice(
            [&prompter, &records](StatusChoice each) {
                return CheckStatusChoice(prompter, each, qsizetype(records.size()),
                                         [&records](qsizetype i) { return records[i].status; });
            },
            parent);
        if (choice.exec() != QDialog::Accepted)
            return;
        ExportOptionLogic logic(prompter, records, choice.choice(), QDate::currentDate());
        CExport_Option options(logic, parent);
        if (options.exec() != QDialog::Accepted)
            return;
        ExportSentItems(exporter, records, options.options(), deliveries);
    });
}

void ExportCommands::exportInbox(QWidget* parent, const QList<QStringList>& rows)
{
    withExporter(parent, [&rows](Exporter& exporter, Prompter&) { ExportInbox(exporter, rows); });
}

void ExportCommands::exportProcessStatuses(QWidget* parent,
                                           const std::vector<ProcessStatusRow>& rows,
                                           bool withRetry)
{
    withExporter(parent, [parent, &rows, withRetry](Exporter& exporter, Prompter& prompter) {
        StatusChoiceDialog choice(
            [&prompter, &rows](StatusChoice each) {
                return CheckStatusChoice(prompter, each, qsizetype(rows.size()),
                                         [&rows](qsizetype i) { return rows[i].Status; });
            },
            parent);
        if (choice.exec() != QDialog::Accepted)
            return;
        ExportProcessStatuses(exporter, rows, withRetry, choice.choice());
    });
}
