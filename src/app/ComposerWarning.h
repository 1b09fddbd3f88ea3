#pragma once

#include <QString>

// The warning beside the composer's "%d Characters" counter: the characters of the text that
// the GSM alphabet cannot carry, which Send will ask about while the Unicode option is off.
// Empty when there is nothing to warn of.
QString ComposerCharacterWarning(const QString& composer, bool unicode);
