#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// Slice sizes of a long text-mode message: each slice goes as an SMS of its own, without a
// concatenation header.
constexpr int TextModeGsmSliceCharacters = 150;
constexpr int TextModeUcs2SliceCharacters = 64;

// True when the text holds a character that text mode cannot send in the GSM alphabet. The
// accepted set is the one every modem's GSM and IRA character sets agree on closely enough:
// LF, FF, CR, printable ASCII except the backquote, the Latin and Greek letters of the GSM
// alphabet, and the euro sign.
bool NeedsUnicode(const QString& text);

// The text-mode parameters: SMS-SUBMIT with relative validity (first octet 17, or 49 asking for
// a status report), the longest validity, and the data coding 0 (GSM), 8 (UCS2), plus 16 for
// a flash message.
QByteArray CsmpCommand(bool flash, bool unicode, bool statusReport = false);

// Consecutive slices of a long message: 150 characters (GSM) or 64 UTF-16 units (UCS2). A GSM
// slice also stays within the 160 septets of one SMS (escaped characters count twice), and a
// UCS2 slice never ends inside a surrogate pair, so every slice arrives readable.
QStringList textModeSlices(const QString& text, bool unicode);

// The length of the slice textModeSlices cuts at from.
qsizetype textModeSliceLength(QStringView text, qsizetype from, bool unicode);
