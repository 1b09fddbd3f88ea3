#pragma once

#include "spreadsheet/Spreadsheet.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// A pass over the records of a BIFF8 Workbook stream for what FreeXL leaves out or hides:
// whether the workbook is encrypted, how big each sheet claims to be (FreeXL sets aside memory
// for every cell of that area), and the cells whose value FreeXL does not give or reads
// differently: formula results, booleans, error values and numbers in date formats.
struct BiffCell
{
    std::uint32_t row = 0; // from 0, as in the file
    std::uint16_t column = 0;
    CellKind kind = CellKind::Text;
    QString text;
    std::uint64_t shareKey = 0; // the shared string's position + 1, for text from the table
};

struct BiffSheet
{
    QString name;
    int directoryIndex = 0;         // position among all sheets, chart sheets included
    std::uint64_t claimedCells = 0; // the area of its DIMENSIONS record
    std::vector<BiffCell> cells;
};

struct BiffSummary
{
    bool encrypted = false;
    bool date1904 = false;
    std::vector<BiffSheet> sheets; // worksheets only, in workbook order
    int directorySize = 0;         // sheets of every kind
};

// False when the stream is not a BIFF8 or BIFF5/7 workbook whose records all fit in it (damage,
// older formats); `encrypted` is set even then when the workbook says so. Formula texts and
// sheet names of BIFF5/7 are taken as Latin-1. With `allCells`, every cell with a value is
// read: texts (shared or not) and numbers too, so a workbook can be read without FreeXL.
bool ScanBiff(const QByteArray& stream, BiffSummary& summary, bool allCells = false);
