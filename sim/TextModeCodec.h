#pragma once

#include "sim/DataCoding.h"
#include "sim/Gsm7.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace sim {

// Text-mode strings travel in the character set chosen with AT+CSCS ("GSM", "IRA", "8859-1",
// "UCS2" or "HEX"), except user data whose DCS says 8-bit or UCS2: that is always hex.

// The message body a text-mode AT+CMGS received, as it goes on the air.
struct TextBody
{
    Alphabet alphabet = Alphabet::Gsm7;
    Septets septets;    // GSM 7-bit
    QByteArray payload; // 8-bit or UCS2 octets
    QString text;
};

// Nothing when the body is not valid in that character set or is too long for one SMS.
// Characters the GSM alphabet lacks become '?', as a modem substitutes them.
std::optional<TextBody> decodeTextBody(const QByteArray& body, const QString& charset, quint8 dcs);

// A number argument (AT+CSCA, AT+CMGS): decoded from UCS2 or HEX when it reads as a phone
// number that way, otherwise taken as it is, as lenient modems do.
QString decodeNumberArgument(const QByteArray& raw, const QString& charset);

// Text the modem reports inside a string result, in the current character set.
QByteArray encodeForCharset(const QString& text, const QString& charset);

} // namespace sim
