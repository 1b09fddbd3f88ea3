#include "exports/ExportResult.h"

#include "spreadsheet/ExcelCellLimit.h"

#include <QCoreApplication>

QString ExportFailureText(const ExportResult& result)
{
    Q_UNUSED(result);
    return QCoreApplication::translate(
        "Export", "Error in file.\n\nOR\n\nThere is not enough space on the disk.");
}

QString ExportSuccessText(const QString& successText, const ExportResult& result)
{
    if (result.cutCells <= 0)
        return successText;
    const QString note =
        result.cutCells == 1
            ? QCoreApplication::translate("Export", "1 cell held more than %1 characters and was "
                                                    "cut to %1, the most a workbook cell holds.")
                  .arg(ExcelCellMaxChars)
            : QCoreApplication::translate("Export", "%1 cells held more than %2 characters and "
                                                    "were cut to %2, the most a workbook cell "
                                                    "holds.")
                  .arg(result.cutCells)
                  .arg(ExcelCellMaxChars);
    return successText + QStringLiteral("\n\n") + note;
}
