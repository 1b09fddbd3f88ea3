#pragma once

#include "spreadsheet/BiffScan.h"
#include "spreadsheet/Spreadsheet.h"

#include <memory>
#include <vector>

// An .xls workbook read by FreeXL, with what FreeXL leaves out (formula results, booleans,
// error values) taken from a pass of our own over the same records. A workbook FreeXL refuses
// although its records are whole is read by that pass alone.
class XlsWorkbook final : public Workbook
{
public:
    [[nodiscard]] static std::unique_ptr<Workbook> open(const QString& path,
                                                        const QByteArray& contents,
                                                        const ReadLimits& limits,
                                                        SpreadsheetError& error);
    ~XlsWorkbook() override;

    QStringList sheetNames() const override;
    SpreadsheetError readCells(int sheet, CellSink& sink) override;

private:
    struct Sheet
    {
        QString name;
        unsigned short freexlIndex = 0;
        std::vector<BiffCell> extraCells; // every cell, when read without FreeXL
    };

    XlsWorkbook() = default;
    SpreadsheetError openFreexl(const QString& path);
    static std::unique_ptr<Workbook> openOwnReading(const QByteArray& stream,
                                                    SpreadsheetError& error);
    void matchSheets(const BiffSummary& summary);

    struct Closer
    {
        void operator()(const void* handle) const;
    };
    std::unique_ptr<const void, Closer> m_handle;
    std::vector<Sheet> m_sheets;
    // Without FreeXL the cells come from our own walk of the records alone.
    bool ownReading() const { return !m_handle; }
};
