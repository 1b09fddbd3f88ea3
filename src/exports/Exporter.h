#pragma once

#include "exports/ExportFormat.h"
#include "exports/ExportResult.h"
#include "exports/ExportTable.h"

#include <QCoreApplication>
#include <functional>

class ExportResultPrompt;
class ExportWorker;
class FileOpener;
class Prompter;
class SaveDialog;

// Everything an export talks to besides its own list.
struct ExportServices
{
    SaveDialog& saveDialog;
    Prompter& prompter;
    ExportWorker& worker;
    ExportResultPrompt& resultPrompt;
    FileOpener& opener;
};

using ExportWriter = std::function<ExportResult(const QString& path, const ExportTable& table)>;

// One export: the formats its save dialog offers, the rows it writes and the text it reports.
// The workbook formats need no writer of their own; text and HTML take the export's.
struct ExportJob
{
    QList<ExportFormat> formats;
    ExportTable table;
    QString successText;
    ExportWriter textWriter;
    ExportWriter htmlWriter;
};

enum class ExportOutcome
{
    Cancelled, // the save dialog was cancelled, or No to the capacity question
    Refused,   // the target could not be replaced, or there was nothing to export
    Failed,    // the writer failed; the user was told
    Written
};

// The steps every export shares: choose the target, check it, write on the export thread,
// report the failure or offer to open the file.
class Exporter
{
    Q_DECLARE_TR_FUNCTIONS(Exporter)

public:
    explicit Exporter(ExportServices services) : m_services(services) {}

    ExportOutcome run(const ExportJob& job);

    Prompter& prompter() { return m_services.prompter; }

    // The capacity question of an xls export past one sheet; true to go on.
    bool confirmSheetSplit(qsizetype rowCount);
    // After success: the export-result prompt, then opening the file when asked.
    void reportSuccess(const QString& successText, const QString& path);

private:
    ExportWriter writerFor(const ExportJob& job, ExportFormat format) const;

    ExportServices m_services;
};
