#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

// Workbooks written at test time, for tests that read spreadsheets.

// One sheet as rows of cells starting at A1 (or at the given first row and column, from 1).
// A cell is a double or int (number), a QString (text), a bool or a QDate; a null QVariant
// leaves the cell empty.
struct FixtureSheet
{
    QString name;
    std::vector<std::vector<QVariant>> rows;
    int firstRow = 1;
    int firstColumn = 1;
};

// Writes an .xlsx (shared strings, dates in a date format, as Excel writes them) or an .xls
// (BIFF8), chosen by the path's extension. Returns false when the file cannot be written.
bool WriteWorkbook(const QString& path, const std::vector<FixtureSheet>& sheets);

// A zip file with the given entries, compressed.
struct ZipEntry
{
    QString name;
    QByteArray data;
};
bool WriteZip(const QString& path, const std::vector<ZipEntry>& entries);

// The parts of a minimal xlsx package around hand-written sheet XML, for cases a writer
// library never produces. Each sheet is the full text of its worksheet part.
struct XlsxPackageParts
{
    std::vector<std::pair<QString, QByteArray>> sheets; // name, worksheet XML
    QByteArray sharedStrings;                           // whole part, or empty for none
    QByteArray styles;                                  // whole part, or empty for none
    QByteArray workbookProperties;                      // e.g. <workbookPr date1904="1"/>
};
std::vector<ZipEntry> XlsxPackageEntries(const XlsxPackageParts& parts);

// A worksheet part around the given <sheetData> content.
QByteArray WorksheetXml(const QByteArray& sheetData);
