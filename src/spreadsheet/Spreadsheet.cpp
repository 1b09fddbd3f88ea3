#include "spreadsheet/Spreadsheet.h"

#include "spreadsheet/OleCompoundFile.h"
#include "spreadsheet/XlsWorkbook.h"
#include "spreadsheet/XlsxWorkbook.h"

#include <QFile>
#include <QFileInfo>

std::unique_ptr<Workbook> OpenWorkbook(const QString& path, SpreadsheetError& error,
                                       const ReadLimits& limits)
{
    error = {};
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        error = {SpreadsheetErrorCode::FileNotFound, QStringLiteral("Cannot read ") + path};
        return nullptr;
    }
    const QByteArray head = file.peek(8);
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06")) {
        file.close();
        return XlsxWorkbook::open(path, limits, error);
    }
    if (head == QByteArray(OleCompoundFile::Signature, 8)) {
        if (file.size() > limits.maxPartBytes) {
            error = {SpreadsheetErrorCode::TooLarge, QStringLiteral("Workbook file too large")};
            return nullptr;
        }
        const QByteArray contents = file.readAll();
        file.close();
        return XlsWorkbook::open(path, contents, limits, error);
    }
    error = {SpreadsheetErrorCode::NotAWorkbook, QStringLiteral("Neither xlsx nor xls content")};
    return nullptr;
}
