#pragma once

#include "spreadsheet/Spreadsheet.h"
#include "spreadsheet/XlsxStrings.h"
#include "spreadsheet/ZipArchive.h"

#include <memory>
#include <optional>
#include <vector>

// An .xlsx workbook: a zip package read part by part, each part streamed through an XML
// reader. The package stays open while the workbook lives; shared strings and cell formats
// are read when the first sheet is.
class XlsxWorkbook final : public Workbook
{
public:
    [[nodiscard]] static std::unique_ptr<Workbook>
    open(const QString& path, const ReadLimits& limits, SpreadsheetError& error);
    ~XlsxWorkbook() override;

    QStringList sheetNames() const override;
    SpreadsheetError readCells(int sheet, CellSink& sink) override;

private:
    struct SheetPart
    {
        QString name;
        QString part;
    };

    explicit XlsxWorkbook(const ReadLimits& limits);
    SpreadsheetError readStructure(const QString& path);
    SpreadsheetError readWorkbookPart(const QString& workbookPart);
    SpreadsheetError readSharedParts();

    ReadLimits m_limits;
    ZipArchive m_zip;
    std::vector<SheetPart> m_sheets;
    QString m_sharedStringsPart;
    QString m_stylesPart;
    bool m_date1904 = false;
    bool m_sharedPartsRead = false;
    XlsxSharedStrings m_sharedStrings;
    std::vector<bool> m_dateStyles;
};
