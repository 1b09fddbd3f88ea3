#pragma once

#include <QStringView>

// Whether a cell's number format shows a date or a time: such cells hold a date serial number
// that must be read as a date, not as a plain number.
namespace ExcelNumberFormat {

// The format codes built into Excel (ids below 164) that show dates or times.
bool isBuiltInDate(int id);

// Whether a format code shows a date or time: it has a day, month, year, hour or second part
// outside quoted text, escapes and colour/locale brackets. Only the first section counts.
bool isDateCode(QStringView code);

// A cell format by id and, when the workbook defines one, its code.
inline bool isDate(int id, QStringView code)
{
    return code.isEmpty() ? isBuiltInDate(id) : isDateCode(code);
}

} // namespace ExcelNumberFormat
