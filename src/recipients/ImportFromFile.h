#pragma once

#include "recipients/ImportTexts.h"
#include "recipients/NumberRule.h"

#include <QCoreApplication>
#include <functional>
#include <optional>

class ExcelColumnChoice;
class RecipientBatch;
class RecipientList;

// What "Load Contacts From File" needs from its window: the file chooser, the sheet and column
// choice, and a way to run the reading off the UI thread. Tests answer with scripted choices.
class ImportWindow
{
public:
    virtual ~ImportWindow() = default;
    // The chosen path, or empty when the chooser was cancelled.
    virtual QString chooseFile(const QString& filter) = 0;
    // `CExcel_Info_Dlg` over the open workbook; false on Cancel.
    virtual bool chooseColumns(ExcelColumnChoice& choice) = 0;
    // Runs the reading with the window disabled and "Total Numbers : %d" refreshed from the
    // batch, and returns when it is over.
    virtual void runReading(const std::function<void()>& work, const RecipientBatch& batch) = 0;
};

// Which reader a chosen path goes to, by its extension in any letter case.
enum class ImportFileKind
{
    Text,
    Excel
};

// The path checks made before anything is read: a missing file, then a wrong extension.
std::optional<ImportFileKind> CheckImportPath(const QString& path, ImportNotice* refusal);

// The main window's "Load Contacts From File". The replace-or-append question comes first, but
// the list is emptied only once the chosen file has been accepted and reading starts, so a
// cancelled chooser or a refused file keeps the list whole. Rows read before a failure stay.
// Returns the number of rows imported.
int ImportFromFile(RecipientList& list, Prompter& prompter, ImportWindow& window,
                   const QString& composer, const NumberCheckOptions& options);
