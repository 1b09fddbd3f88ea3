#pragma once

#include <QString>

// Beside the composer's "%d Characters": how many SMS the text takes and in which alphabet,
// counted as PDU mode sends it with the Unicode option as it is ("2 SMS, GSM 7-bit").
QString ComposerPartsText(const QString& composer, bool unicode, bool nationalLanguages = false);
