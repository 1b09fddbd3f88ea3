#pragma once

#include <QByteArray>
#include <QString>

// How a GSM-alphabet text is typed into a modem in text mode, by the modem's character set
// (AT+CSCS): the modem converts what it receives into the GSM alphabet. A body must never hold
// Ctrl-Z (sends) or ESC (cancels: the modem then answers "OK" to a message it dropped), so the
// GSM set cannot carry the characters of the GSM extension table, which need the escape code.

// Whether every character of text arrives intact in charset: "IRA" (and any set not known
// here) carries ASCII, "8859-1" Latin-1, "GSM" the alphabet without its extension table, "HEX"
// every GSM character. Control characters other than LF, FF and CR are carried by none.
bool canCarry(const QString& text, const QString& charset);

// The body for charset: GSM codes for "GSM", their hex for "HEX", Latin-1 for "8859-1", ASCII
// otherwise. A character the set cannot carry becomes "?". An empty or blank text goes as a
// single blank.
QByteArray encodeTextBody(const QString& text, const QString& charset);
