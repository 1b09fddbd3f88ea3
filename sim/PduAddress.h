#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace sim {

// An address field's number: semi-octet digits (low nibble first, "F" filler), or packed GSM
// 7-bit text for alphanumeric addresses. International numbers get a leading "+".
// digitCount is the number of semi-octets the field declares. Nothing when a filler or a
// non-digit nibble sits where a digit must be.
std::optional<QString> decodeAddress(const QByteArray& octets, int digitCount, int typeOfAddress);

} // namespace sim
