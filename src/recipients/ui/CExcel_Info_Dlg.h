#pragma once

#include <QDialog>

class ColumnCheckList;
class ExcelColumnChoice;
class Prompter;
class QListWidget;

// "Select Excel Sheet To Open": the sheets of the open workbook, the columns of the chosen one
// to tick, and "Select All". The choice keeps the ticks for the reading after OK.
class CExcel_Info_Dlg : public QDialog
{
    Q_OBJECT

public:
    CExcel_Info_Dlg(ExcelColumnChoice& choice, Prompter& prompter, QWidget* parent = nullptr);

    QListWidget* sheetList() const { return m_sheets; }
    ColumnCheckList* columnList() const { return m_columns; }

public slots:
    void accept() override;

private:
    void onSheetChosen(int index);

    ExcelColumnChoice& m_choice;
    Prompter& m_prompter;
    QListWidget* m_sheets;
    ColumnCheckList* m_columns;
};
