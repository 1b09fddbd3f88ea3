#include "sim/DataCoding.h"

namespace sim {

namespace {

Alphabet alphabetFromBits(unsigned bits)
{
    switch (bits & 0x3) {
    case 1:
        return Alphabet::EightBit;
    case 2:
        return Alphabet::Ucs2;
    default:
        return Alphabet::Gsm7;
    }
}

} // namespace

DataCoding interpretDcs(quint8 dcs)
{
    DataCoding coding;
    const unsigned group = dcs >> 4;
    if (group <= 0x7) {
        // General data coding, with or without automatic deletion.
        coding.compressed = (dcs & 0x20) != 0;
        coding.alphabet = alphabetFromBits(dcs >> 2);
        if (dcs & 0x10)
            coding.messageClass = dcs & 0x3;
    } else if (group == 0xE) {
        coding.alphabet = Alphabet::Ucs2; // message waiting, store, UCS2
    } else if (group == 0xF) {
        coding.alphabet = (dcs & 0x4) ? Alphabet::EightBit : Alphabet::Gsm7;
        coding.messageClass = dcs & 0x3;
    }
    return coding;
}

const char* alphabetName(Alphabet alphabet)
{
    switch (alphabet) {
    case Alphabet::EightBit:
        return "8bit";
    case Alphabet::Ucs2:
        return "ucs2";
    case Alphabet::Gsm7:
        break;
    }
    return "gsm7";
}

QString decodeUcs2(const QByteArray& octets)
{
    QString text;
    text.reserve(octets.size() / 2);
    for (qsizetype i = 0; i + 1 < octets.size(); i += 2) {
        const auto high = static_cast<quint8>(octets[i]);
        const auto low = static_cast<quint8>(octets[i + 1]);
        text.append(QChar(static_cast<char16_t>((high << 8) | low)));
    }
    return text;
}

} // namespace sim
