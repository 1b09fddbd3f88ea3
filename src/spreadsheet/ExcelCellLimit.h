#pragma once

#include <QStringView>

// The most characters (UTF-16 code units) a workbook cell holds, in xls and xlsx alike.
constexpr qsizetype ExcelCellMaxChars = 32767;

// The text as a workbook cell can hold it: longer texts are cut to the limit, never between the
// two halves of a surrogate pair. Counts a cut in `cutCells`.
QStringView ExcelCellText(QStringView text, qsizetype& cutCells);
