#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace sim {

// Hexadecimal text as modems exchange it: two digits per octet, either letter case accepted.
// Returns nothing for an odd digit count or a character that is not a hex digit.
std::optional<QByteArray> decodeHex(QByteArrayView hex);

// Upper-case hex, two digits per octet.
QByteArray encodeHex(QByteArrayView octets);

} // namespace sim
