#pragma once

#include <QString>
#include <QStringView>

class HexBuilder;

// An address field in semi-octets: length, type of address (0x91 after a leading "+", else
// 0x81), then the digits pairwise swapped with an "F" filling an odd count. The destination
// flavour counts digits in its length octet, the SMSC flavour the octets that follow it. An
// empty number gives "00". Other characters than digits pass through unchanged
// (any beyond Latin-1 as "?").
QString EncodeAddress(const QString& number, bool smscFlavour);

// The octets of the destination-flavour field appendAddress writes for number.
int destinationAddressOctets(QStringView number);

void appendAddress(HexBuilder& out, QStringView number, bool smscFlavour);
