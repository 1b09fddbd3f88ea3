#pragma once

#include <QString>
#include <QStringView>

// How cell values become text, the same for every workbook format: what a phone number or a
// date typed into Excel looks like once imported.
namespace CellText {

// Whole numbers below 10^15 as plain digits (a phone number stored as a number comes out as its
// digits); fractions of magnitude 10^6 or more in plain decimal, in their shortest form that
// reads back to the same value but at most 15 significant digits; any other number in its
// shortest form that reads back to the same value, with an exponent written as E+nn / E-nn.
QString number(double value);

// A date serial number as stored in a cell with a date format: "dd/mm/yyyy", followed by
// " hh:mm:ss" when the time of day is not midnight; "hh:mm:ss" alone for a serial below 1 in
// the 1900 date system. Serials outside the dates Excel knows come out as numbers.
QString serialDate(double serial, bool date1904);

// A date, date-and-time or time written as "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" (or with "T"),
// or "HH:MM:SS", in the same form as serialDate(); other text is returned unchanged.
QString isoDate(QStringView text);

inline QString boolean(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// The text of an error value by its code in the binary format (0x07 "#DIV/0!", 0x2A "#N/A" ...).
QString errorText(int code);

} // namespace CellText
