#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Pure helpers that turn a modem's replies to the interrogation commands into display values.

enum class Quotes
{
    Remove,
    Keep, // for answers whose value is cut out between double quotes
};

// The value in a reply: "?", "<", ">" (and double quotes unless kept) removed, the final "OK"
// line and every echo form of the command (for example "AT+CGMI", "+CGMI") removed, and a
// leading ":" dropped. Only a whole "OK" line is the result code: a value such as "NOKIA"
// keeps its letters. An answer over several lines (a revision on two lines) is joined with
// blanks.
QString CleanAnswer(const QString& response, const QStringList& echoForms,
                    Quotes quotes = Quotes::Remove);

// The text between the first two double quotes; empty when there are fewer than two.
QString quotedValue(const QString& text);

// The lines of a reply that answer the command: those starting with prefix ("+CMGF"), or,
// where none does, every line but the echo of the command and the "OK", joined by "\n".
QString answerLinesOf(const QString& response, QLatin1String prefix);

// "+CBC" value "status,level[,millivolts]": level + "%" when on battery power (status 0), level +
// "% ( Charging )" when charging (status 1), the level alone otherwise.
QString batteryText(const QString& value);

// "+CSQ" value "rssi,ber": "Low (n)" up to 8, "Medium (n)" 9 to 14, "Good (n)" 15 to 18,
// "High (n)" from 19; empty for 99 (not known) and for a value that is not a number.
QString signalQualityText(const QString& value);

// The default SMSC as a modem reported it between the quotes of "+CSCA". A modem whose
// character set is UCS2 or HEX reports the number encoded: decoded as UCS2 hex or packed GSM
// 7-bit hex when that gives a number starting with "+"; else the UCS2 decoding when it is a
// valid phone number; else the text as it came.
QString decodeSmscNumber(const QString& raw,
                         const std::function<bool(const QString&)>& isInvalidNumber);

// A phone number's validity as the recipient list judges it, for when no rule is handed in:
// invalid when empty after trimming, longer than 20, with a "+" after the first character, or
// with a character other than digits, "+" and "-".
bool basicIsInvalidNumber(const QString& number);
