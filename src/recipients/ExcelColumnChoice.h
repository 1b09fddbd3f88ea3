#pragma once

#include "recipients/ImportTexts.h"

#include <QStringList>
#include <optional>
#include <vector>

class SpreadsheetReader;

// What "Select Excel Sheet To Open" (`CExcel_Info_Dlg`) holds, without the window: the sheets
// of the open workbook, the columns of the chosen one with their ticks, and "Select All".
class ExcelColumnChoice
{
public:
    explicit ExcelColumnChoice(SpreadsheetReader& reader);

    QStringList sheets() const { return m_sheets; }
    // Reads the sheet's header row and lists its column names, all unticked. On a failure or
    // an empty sheet the column list stays empty and the notice says why.
    std::optional<ImportNotice> chooseSheet(int index);
    int sheet() const { return m_sheet; }

    const QStringList& columns() const { return m_columns; }
    const std::vector<bool>& ticked() const { return m_ticked; }
    bool selectAll() const { return m_selectAll; }

    void setSelectAll(bool ticked);
    // "Select All" follows: ticked exactly when every column is.
    void setTicked(int column, bool ticked);

    // OK: the notice when there is nothing to import, else nothing (the ticks stand).
    std::optional<ImportNotice> accept() const;

private:
    SpreadsheetReader& m_reader;
    QStringList m_sheets;
    int m_sheet = -1;
    QStringList m_columns;
    std::vector<bool> m_ticked;
    bool m_selectAll = false;
};
