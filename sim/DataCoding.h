#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace sim {

enum class Alphabet
{
    Gsm7,
    EightBit,
    Ucs2
};

// What a TP-DCS octet says about the user data (3GPP TS 23.038, SMS data coding groups).
struct DataCoding
{
    Alphabet alphabet = Alphabet::Gsm7;
    std::optional<int> messageClass; // 0 is a flash message
    bool compressed = false;
};

// Reserved codings read as the GSM 7-bit default alphabet, as a receiving entity must.
DataCoding interpretDcs(quint8 dcs);

const char* alphabetName(Alphabet alphabet);

// Big-endian UTF-16 code units as text; a trailing odd octet is dropped.
QString decodeUcs2(const QByteArray& octets);

} // namespace sim
