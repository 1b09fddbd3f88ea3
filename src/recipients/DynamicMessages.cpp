#include "recipients/DynamicMessages.h"

#include "recipients/RecipientBatch.h"
#include "spreadsheet/SheetTable.h"

#include <algorithm>

namespace {

constexpr int Passes = 10;
constexpr int MaxPlaceholderColumns = 10;

} // namespace

QString Placeholder(int column)
{
    return QStringLiteral("<COL-%1>").arg(column);
}

std::optional<QString> FillPlaceholders(const QString& messageTemplate, const SheetTable& sheet,
                                        int row)
{
    const int width = std::min(sheet.columnCount(), MaxPlaceholderColumns);
    QString message = messageTemplate;
    static const QString marker = QStringLiteral("<COL-");
    for (int k = 1; k <= Passes; ++k) {
        for (int j = 0; j < width; ++j) {
            // Without a marker left no replacement can happen; this keeps plain rows cheap.
            if (!message.contains(marker))
                return message;
            const int column = k + j;
            const QString placeholder = Placeholder(column);
            if (!message.contains(placeholder))
                continue;
            const std::optional<QString> cell = ImportCellText(sheet, row, column);
            if (!cell)
                return std::nullopt;
            message.replace(placeholder, *cell);
        }
    }
    return message;
}

std::uint64_t DynamicTotalRecords(int numberColumns, int rows)
{
    if (rows > MaxImportRows + 1)
        return MaxImportRows;
    return std::uint64_t(numberColumns) * std::uint64_t(rows);
}

SheetReadEnd BuildDynamicMessages(const SheetTable& sheet, const std::vector<int>& numberColumns,
                                  const QString& messageTemplate, RecipientBatch& batch,
                                  const NumberCheckOptions& options, ImportProgress* progress)
{
    const int rows = std::min(sheet.rowCount(), MaxImportRows);
    if (progress)
        progress->setTotal(DynamicTotalRecords(int(numberColumns.size()), sheet.rowCount()));
    std::uint64_t record = 0;
    for (const int column : numberColumns) {
        for (int row = 1; row <= rows; ++row) {
            ++record;
            const std::optional<QString> message = FillPlaceholders(messageTemplate, sheet, row);
            const std::optional<QString> number = ImportCellText(sheet, row, column);
            if (!message || !number)
                return SheetReadEnd::Discarded;
            if (progress)
                progress->record(record, *number, *message);
            batch.add(*number, message->left(MaxImportMessageChars), options);
        }
    }
    return SheetReadEnd::Complete;
}
