#include "recipients/ExcelImport.h"

#include "recipients/RecipientBatch.h"
#include "spreadsheet/SheetTable.h"
#include "spreadsheet/SpreadsheetReader.h"

#include <algorithm>

std::optional<QString> ImportCellText(const SheetTable& sheet, int row, int column)
{
    // Excel hands error values over as a variant that does not convert to a string; such a
    // cell ends the reading.
    if (sheet.cellKind(row, column) == CellKind::Error)
        return std::nullopt;
    return sheet.cellText(row, column);
}

const SheetTable* ReadImportSheet(SpreadsheetReader& reader, int sheetIndex, ImportNotice* failure)
{
    SpreadsheetError error;
    const SheetTable* sheet = reader.sheet(sheetIndex, &error);
    if (!sheet && failure) {
        *failure = error.code == SpreadsheetErrorCode::NoSuchSheet ? ImportText::sheetFailed()
                                                                   : ImportText::readingDiscarded();
    }
    return sheet;
}

SheetReadEnd ImportTickedColumns(const SheetTable& sheet, const std::vector<bool>& ticked,
                                 RecipientBatch& batch, const QString& composer,
                                 const NumberCheckOptions& options)
{
    const int columns = std::min(sheet.columnCount(), int(ticked.size()));
    for (int column = 1; column <= columns; ++column) {
        if (!ticked[size_t(column - 1)])
            continue;
        for (int row = 1; row <= sheet.rowCount(); ++row) {
            const std::optional<QString> text = ImportCellText(sheet, row, column);
            if (!text)
                return SheetReadEnd::Discarded;
            if (!text->isEmpty())
                batch.add(*text, composer, options);
        }
    }
    return SheetReadEnd::Complete;
}

SheetReadEnd ImportNumbersAndMessages(const SheetTable& sheet, int numberColumn, int messageColumn,
                                      RecipientBatch& batch, const NumberCheckOptions& options,
                                      ImportProgress* progress)
{
    const int rows = std::min(sheet.rowCount(), MaxImportRows);
    if (progress)
        progress->setTotal(std::uint64_t(rows));
    for (int row = 1; row <= rows; ++row) {
        const std::optional<QString> number = ImportCellText(sheet, row, numberColumn);
        const std::optional<QString> message = ImportCellText(sheet, row, messageColumn);
        if (!number || !message)
            return SheetReadEnd::Discarded;
        if (progress)
            progress->record(std::uint64_t(row), *number, *message);
        batch.add(*number, message->left(MaxImportMessageChars), options);
    }
    return SheetReadEnd::Complete;
}
