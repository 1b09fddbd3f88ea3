#pragma once

#include <QString>

// Removes every '-', ' ', '(' and ')', wherever it stands.
QString StripNumberSeparators(const QString& text);

// True when the text, trimmed, is not a phone number: empty, a '+' after the first character,
// more than 20 characters, or a character other than digits, '+' and '-'. A lone "+" passes.
bool IsInvalidNumber(const QString& text);
