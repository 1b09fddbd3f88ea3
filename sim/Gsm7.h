#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace sim {

using Septets = std::vector<quint8>;

// The escape septet that selects the extension table for the septet after it.
inline constexpr quint8 kGsmEscape = 0x1B;

// Septets of the GSM 7-bit default alphabet (3GPP TS 23.038) as text. An escape followed by a
// code the extension table lacks shows the default character for that code; a trailing escape
// (a pair cut at the end of a concatenated part) shows nothing.
QString decodeSeptets(const Septets& septets);

// The same read with the national language tables the header named (0: the default table).
QString decodeSeptets(const Septets& septets, int lockingShift, int singleShift);

// The septets a modem would send for a text: extension characters as escape pairs, characters
// outside the alphabet as '?'.
Septets encodeSeptets(const QString& text);

// Reads count septets packed least significant bit first, starting bitOffset bits into octets.
// Septets beyond the end of octets read as zero bits.
Septets unpackSeptets(const QByteArray& octets, int bitOffset, int count);

} // namespace sim
