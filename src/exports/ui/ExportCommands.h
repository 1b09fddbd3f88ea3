#pragma once

#include "exports/ProcessStatusExport.h"
#include "stores/StoreHooks.h"

#include <QStringList>
#include <functional>
#include <vector>

class ExportResultPrompt;
class ExportWorker;
class FileOpener;
class Prompter;
class QWidget;
class Exporter;
class SaveDialog;

// Stand-ins for the desktop around an export (tests); each one not given is the real thing.
struct ExportSeams
{
    Prompter* prompter = nullptr;
    SaveDialog* saveDialog = nullptr;
    ExportWorker* worker = nullptr;
    ExportResultPrompt* resultPrompt = nullptr;
    FileOpener* opener = nullptr;
};

// The five exports as the windows start them. Each runs over the window it was started from:
// its dialogs and messages belong to that window, which is disabled while the file is written.
class ExportCommands : public TemplatesExport, public SentItemsExport, public InboxExport
{
public:
    ExportCommands() = default;
    explicit ExportCommands(ExportSeams seams) : m_seams(seams) {}

    // The main window's "Export". The list must not change until this returns.
    // The table is written by `write`, given the exporter (the recipient list's export).
    void exportRecipientList(QWidget* parent, const std::function<void(Exporter&)>& write);
    // The exclusion list wizard's "Export Number": the numbers in display order.
    void exportExclusionList(QWidget* parent, const QStringList& numbers);
    void exportTemplates(QWidget* parent, const QStringList& newestFirst) override;
    // The status choice and the export options, then the export.
    void exportSentItems(QWidget* parent, const std::vector<SentItem>& records,
                         const std::vector<QString>& deliveries) override;
    void exportInbox(QWidget* parent, const QList<QStringList>& rows) override;
    // The sending run's "Export": the status choice, then the export of the chosen rows.
    void exportProcessStatuses(QWidget* parent, const std::vector<ProcessStatusRow>& rows,
                               bool withRetry);

    bool isRunning() const override { return m_running; }

private:
    void withExporter(QWidget* parent, const std::function<void(Exporter&, Prompter&)>& work);

    ExportSeams m_seams;
    bool m_running = false;
};
