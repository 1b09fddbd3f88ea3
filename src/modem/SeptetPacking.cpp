#include "modem/SeptetPacking.h"

#include "modem/PduHex.h"

PackedSeptets PackSeptets(const Septets& septets)
{
    HexBuilder out(static_cast<qsizetype>(septets.size() * 7 + 7) / 8 * 2);
    SeptetPacker packer(out);
    for (const std::uint8_t septet : septets)
        packer.push(septet);
    const bool oneBit = packer.finish();
    return {out.take(), oneBit};
}

std::optional<Septets> unpackSeptets(QStringView hex, qsizetype septetCount)
{
    const qsizetype octetsNeeded = (septetCount * 7 + 7) / 8;
    if (septetCount < 0 || hex.size() < octetsNeeded * 2)
        return std::nullopt;
    Septets septets;
    septets.reserve(static_cast<std::size_t>(septetCount));
    std::uint32_t bits = 0;
    int bitCount = 0;
    qsizetype digit = 0;
    while (static_cast<qsizetype>(septets.size()) < septetCount) {
        if (bitCount < 7) {
            const int octet = hexOctetAt(hex, digit);
            if (octet < 0)
                return std::nullopt;
            bits |= static_cast<std::uint32_t>(octet) << bitCount;
            bitCount += 8;
            digit += 2;
        }
        septets.push_back(static_cast<std::uint8_t>(bits & 0x7F));
        bits >>= 7;
        bitCount -= 7;
    }
    return septets;
}

std::optional<QString> gsmPackedHexToText(QStringView hex, qsizetype septetCount)
{
    const std::optional<Septets> septets = unpackSeptets(hex, septetCount);
    if (!septets)
        return std::nullopt;
    return septetsToText(*septets);
}
