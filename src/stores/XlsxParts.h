#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

// The XML parts of a plain xlsx workbook whose cells are all text: the package's content types
// and relationships, the workbook, a style sheet with a text cell format, and the sheets,
// which are written as a head, rows and a tail so that any number of rows streams through.
namespace Xlsx {

QByteArray contentTypes(qsizetype sheets);
QByteArray packageRelationships();
QByteArray workbook(const QStringList& sheetNames);
QByteArray workbookRelationships(qsizetype sheets);
QByteArray styles();
QString sheetPartName(qsizetype sheetIndex); // "xl/worksheets/sheet1.xml" for index 0

// A sheet of `rows` rows (the header row included) and `columns` columns.
QByteArray sheetHead(qsizetype rows, qsizetype columns, bool selected);
QByteArray sheetTail();
// Row `row` (1-based) with a text cell for every non-empty text.
void appendRow(QByteArray& out, qsizetype row, const QList<QStringView>& cells);

// "A" for column 0, "Z", "AA", ...
QByteArray columnName(qsizetype column);
// Text as a cell holds it: XML-escaped, characters XML cannot carry written as "_xHHHH_", and
// text that looks like such an escape kept as written.
QString cellText(QStringView text);

} // namespace Xlsx
