#pragma once

#include "recipients/RecipientList.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "stores/ExclusionNumberFile.h"

#include <functional>
#include <vector>

class ExcelColumnChoice;
class QWidget;

// `CExcel_Info_Dlg` or a stand-in: shows the sheets and columns of the open workbook over the
// parent; false on Cancel.
using ExcelColumnChooser = std::function<bool(QWidget* parent, ExcelColumnChoice& choice)>;

// The exclusion wizard's numbers read by the contact import's readers: the same file types and
// the same refusals and Excel messages, without the main window's options. Candidates come back
// normalised and valid; the wizard drops those it already lists.
class ImportedExclusionNumbers : public ExclusionNumberFile
{
public:
    // Without a chooser a workbook is read from its first sheet, every column.
    ImportedExclusionNumbers(QWidget* parent, ExcelColumnChooser chooseColumns);

    bool prepare(const QString& path, Prompter& prompter) override;
    bool read(QStringList& candidates) override;
    void reportFailure(Prompter& prompter) override;

private:
    bool prepareWorkbook(Prompter& prompter);

    QWidget* m_parent;
    ExcelColumnChooser m_chooseColumns;
    QString m_path;
    bool m_isText = true;
    SpreadsheetReader m_reader;
    const SheetTable* m_sheet = nullptr;
    std::vector<bool> m_ticked;
    // Only read by the readers' batch: nothing is checked against it.
    RecipientList m_noRows;
};
