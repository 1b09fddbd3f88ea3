#pragma once

#include <QByteArray>
#include <QStringView>

// The most characters (code points) libxlsxwriter takes for one cell.
constexpr qsizetype XlsxCellMaxCodePoints = 32767;

// A cell's text as libxlsxwriter is to write it, in UTF-8. Cut to ExcelCellMaxChars (counted in
// `cutCells`). libxlsxwriter writes control characters as "_xHHHH_" escapes but leaves text that
// already looks like such an escape alone, so a reader would turn "_x0041_" into "A": the
// underscore of such text is escaped here ("_x005F_"), as are the characters UTF-8 or a C string
// cannot carry (NUL, lone surrogates) and the non-characters U+FFFE and U+FFFF. When escapes take
// the text past libxlsxwriter's limit, the text is cut further, and counted once.
QByteArray XlsxCellText(QStringView text, qsizetype& cutCells);
