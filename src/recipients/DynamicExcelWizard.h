#pragma once

#include "recipients/ImportProgress.h"
#include "recipients/ImportTexts.h"
#include "recipients/LoadFileMsg.h"
#include "recipients/NumberRule.h"
#include "spreadsheet/SpreadsheetReader.h"

#include <functional>
#include <optional>
#include <vector>

class RecipientBatch;
class RecipientList;
class SheetTable;

// Runs a reading off the UI thread with a progress window over `progress`, returning when the
// reading is over.
using ProgressRunner =
    std::function<void(const std::function<void()>& work, const ImportProgress& progress)>;

// The logic of the "Dynamic Message Import Wizard" without its pages (the window is
// `CDynamic_Excel_Msg`): the workbook chosen on the file page, the checks of "Finish" and "Next"
// in their order, and the two readings. The replace-or-append answer given when the wizard opened
// is applied only when a reading starts.
class DynamicExcelWizard
{
    Q_DECLARE_TR_FUNCTIONS(DynamicExcelWizard)

public:
    struct ColumnTableRow
    {
        QString serial;      // "S.No."
        QString name;        // "Coulmn"
        QString placeholder; // "Represent as"
    };

    DynamicExcelWizard(RecipientList& list, Prompter& prompter, CLoad_File_Msg::Choice choice);

    static QString numbersAndMessagesNote();
    static QString personalisedNote();

    // "Browse": refuses a missing file or another extension, else opens the workbook and lists
    // its sheets. False (after telling why) when the file cannot be used.
    bool browse(const QString& path);
    const QString& path() const { return m_path; }
    const QStringList& sheets() const { return m_sheets; }
    // Lists the sheet's column names; on a failure the list stays empty and the user is told.
    void chooseSheet(int index);
    // The same without telling: the notice comes back instead, so the reading of a large sheet
    // may run off the UI thread and the window shows the notice afterwards.
    std::optional<ImportNotice> loadSheet(int index);
    int sheet() const { return m_sheet; }
    const QStringList& columns() const { return m_columns; }
    std::vector<ColumnTableRow> columnTable() const;

    // "Finish" of the numbers-and-messages file page; -1 for nothing chosen.
    std::optional<ImportNotice> checkNumbersAndMessages(int numberColumn, int messageColumn) const;
    // "Next" of the personalised file page, with the ticks of the number columns.
    std::optional<ImportNotice> checkNumberColumns(const std::vector<bool>& ticked) const;
    // "Finish" of the message page.
    static std::optional<ImportNotice> checkTemplate(const QString& messageTemplate);

    // The rows of the list plus those a running reading has gathered (UI thread only).
    int rowsSoFar() const;

    // The readings; both return the number of rows imported and tell the user how it ended.
    int ImportNumbersAndMessages(int numberColumn, int messageColumn,
                                 const NumberCheckOptions& options, const ProgressRunner& run);
    int BuildDynamicMessages(const std::vector<bool>& ticked, const QString& messageTemplate,
                             const NumberCheckOptions& options, const ProgressRunner& run);

private:
    std::optional<ImportNotice> checkFileAndSheet() const;
    int read(const std::function<bool(const SheetTable&, RecipientBatch&, ImportProgress&)>& work,
             const ProgressRunner& run);

    RecipientList& m_list;
    Prompter& m_prompter;
    CLoad_File_Msg::Choice m_choice;
    SpreadsheetReader m_reader;
    QString m_path;
    QStringList m_sheets;
    int m_sheet = -1;
    QStringList m_columns;
    const RecipientBatch* m_reading = nullptr;
};
