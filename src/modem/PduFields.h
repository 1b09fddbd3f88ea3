#pragma once

#include "modem/PduHex.h"

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

// The fields the received PDUs (SMS-DELIVER, SMS-STATUS-REPORT) share, read front to back.

// Reads octets from hex; every read past the end or of a non-hex digit fails.
class OctetReader
{
public:
    explicit OctetReader(QStringView hex) : m_hex(hex) {}

    std::optional<int> next()
    {
        if (m_pos + 2 > m_hex.size())
            return std::nullopt;
        const int value = hexOctetAt(m_hex, m_pos);
        if (value < 0)
            return std::nullopt;
        m_pos += 2;
        return value;
    }

    bool skip(int octets)
    {
        for (int i = 0; i < octets; ++i) {
            if (!next())
                return false;
        }
        return true;
    }

    // The hex of the next count octets, taken; nullopt when fewer are left or one is not hex.
    std::optional<QStringView> take(qsizetype octets)
    {
        if (octets < 0 || m_pos + 2 * octets > m_hex.size())
            return std::nullopt;
        const QStringView taken = m_hex.mid(m_pos, 2 * octets);
        for (qsizetype i = 0; i < taken.size(); i += 2) {
            if (hexOctetAt(taken, i) < 0)
                return std::nullopt;
        }
        m_pos += 2 * octets;
        return taken;
    }

    // The hex digits not read yet.
    QStringView rest() const { return m_hex.mid(m_pos); }

private:
    QStringView m_hex;
    qsizetype m_pos = 0;
};

enum class AddressKind
{
    International, // type of number 001: shown with a leading "+"
    Alphanumeric,  // type of number 101: a sender name in GSM 7-bit
    Other,         // national, unknown and the rest: the digits as given
};

struct PduAddressField
{
    QString text;
    AddressKind kind = AddressKind::Other;
};

// The longest address the field may give: 20 semi-octets, or 11 octets of a sender name.
constexpr int MaxAddressDigits = 20;

// An address whose length octet counts semi-octets (TP-OA, TP-RA): length, type, then the
// digits pairwise swapped ("*", "#", "a" to "c" for the other nibbles, "F" filling an odd
// count), or a GSM 7-bit name when the type says alphanumeric. nullopt when cut short or
// longer than MaxAddressDigits.
std::optional<PduAddressField> readPduAddress(OctetReader& in);

// The seven semi-octets of a service-centre time stamp, the last one the zone in quarter hours
// with its sign in bit 3. nullopt when cut short; an invalid QDateTime when the octets are not
// a date and time.
std::optional<QDateTime> readPduTimestamp(OctetReader& in);
