#include "sim/Hex.h"

namespace sim {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<QByteArray> decodeHex(QByteArrayView hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    QByteArray octets;
    octets.reserve(hex.size() / 2);
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        const int high = hexValue(hex[i]);
        const int low = hexValue(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        octets.append(static_cast<char>(high * 16 + low));
    }
    return octets;
}

QByteArray encodeHex(QByteArrayView octets)
{
    return octets.toByteArray().toHex().toUpper();
}

} // namespace sim
