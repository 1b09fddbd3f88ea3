#pragma once

#include "recipients/ui/OpenFileChooser.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "stores/StoreHooks.h"

#include <vector>

class Prompter;

// "Import Templates" through the workbook reader of the contact import: the file, then
// "Select Excel Sheet To Open", then the cells of the ticked columns.
class ExcelTemplateImport final : public TemplateImportSource
{
public:
    // `prompter` tells of refused files and Excel failures; null for message boxes.
    explicit ExcelTemplateImport(Prompter* prompter = nullptr,
                                 OpenFileChooser chooseFile = ChooseOpenFile);

    bool choose(QWidget* parent) override;
    // A failure while the cells are read is told on the UI thread once the reading is over.
    QStringList readCells() override;

private:
    Prompter* m_prompter;
    OpenFileChooser m_chooseFile;
    SpreadsheetReader m_reader;
    const SheetTable* m_sheet = nullptr;
    std::vector<bool> m_ticked;
};
