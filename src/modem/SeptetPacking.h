#pragma once

#include "modem/GsmAlphabet.h"
#include "modem/PduHex.h"

#include <QString>
#include <QStringView>
#include <optional>

struct PackedSeptets
{
    QString hex;
    // The last octet holds exactly one used bit: its seven spare bits could otherwise be read
    // as one more septet (an "@"), so a length counted from octets must be one less.
    bool lastOctetHasOneBit = false;
};

// GSM 7-bit packing: septet n takes bits 7n to 7n+6 of the octet stream, least significant bit
// first; the spare high bits of the last octet are 0.
PackedSeptets PackSeptets(const Septets& septets);

// Packs septets straight into hex digits as they come.
class SeptetPacker
{
public:
    explicit SeptetPacker(HexBuilder& out) : m_out(out) {}
    // After a user-data header: the first septet starts fillBits (0 to 6) into the next octet.
    SeptetPacker(HexBuilder& out, int fillBits) : m_out(out), m_bitCount(fillBits) {}

    void push(std::uint8_t septet)
    {
        m_bits |= static_cast<std::uint32_t>(septet & 0x7F) << m_bitCount;
        m_bitCount += 7;
        if (m_bitCount >= 8) {
            m_out.octet(static_cast<std::uint8_t>(m_bits & 0xFF));
            m_bits >>= 8;
            m_bitCount -= 8;
        }
    }

    // Writes the partial last octet; returns whether it holds exactly one used bit.
    bool finish()
    {
        const bool oneBit = m_bitCount == 1;
        if (m_bitCount > 0)
            m_out.octet(static_cast<std::uint8_t>(m_bits & 0xFF));
        m_bits = 0;
        m_bitCount = 0;
        return oneBit;
    }

private:
    HexBuilder& m_out;
    std::uint32_t m_bits = 0;
    int m_bitCount = 0;
};

// The first septetCount septets of packed hex (either case); nullopt when the text is not hex
// or too short for that many septets.
std::optional<Septets> unpackSeptets(QStringView hex, qsizetype septetCount);

// Packed GSM user data back to text.
std::optional<QString> gsmPackedHexToText(QStringView hex, qsizetype septetCount);
