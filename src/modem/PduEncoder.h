#pragma once

#include "modem/PduSegments.h"

#include <QString>
#include <QtGlobal>
#include <vector>

struct PduOptions
{
    bool withSmsc = true;      // start with the SMSC field ("00" for the modem's own SMSC)
    bool flash = false;        // message class 0, shown at once and not stored
    bool unicode = false;      // UCS2 instead of the GSM 7-bit alphabet
    bool statusReport = false; // ask the network for a status report (TP-SRR)
    // With unicode: a text a national language table carries goes in GSM 7-bit with that
    // table when it takes fewer parts than in UCS2.
    bool nationalLanguages = false;
};

struct EncodedPdu
{
    QString pdu;            // upper-case hex, SMSC field included when asked for
    quint16 tpduLength = 0; // octets without the SMSC field: the number AT+CMGS takes

    bool isEmpty() const { return pdu.isEmpty(); }
};

// Data coding scheme: 0x00 GSM, 0x08 UCS2, plus 0x10 for class 0 (flash).
std::uint8_t dataCodingScheme(PduOptions options);

// One SMS-SUBMIT without a user-data header: first octet 0x11 (0x31 asking for a status
// report), message reference 0, the
// destination, protocol 0, the data coding scheme, relative validity 0x8F (12 hours), the user
// data length (septets or octets) and the user data. The text is taken as is (CR LF already
// folded by the caller); nothing here checks that it fits one message.
EncodedPdu EncodeSubmitPdu(const QString& text, const QString& number, const QString& smsc,
                           PduOptions options);

// One long message cut into parts, everything its parts share computed once. Each message owns
// its own, so several workers can encode long messages at the same time.
class ConcatenatedMessage
{
public:
    ConcatenatedMessage(const QString& text, const QString& number, const QString& smsc,
                        quint16 reference, PduOptions options);

    // At least one, even for an empty text.
    int partCount() const { return static_cast<int>(m_segments.size()); }
    quint16 reference() const { return m_reference; }
    bool unicode() const { return m_unicode; }

private:
    friend EncodedPdu EncodeSubmitPduPart(const ConcatenatedMessage& message, int partNumber);

    QString m_smscField;
    QString m_tpduHead; // first octet to validity period
    quint16 m_reference;
    bool m_unicode;
    std::vector<PduSegment> m_segments;
};

// Part partNumber (from 1) of the message: first octet 0x51 (user-data header present; 0x71
// asking for a status report), the
// header 06 08 04 with the 16-bit reference, part count and part number, then the part's
// data. Empty when partNumber is out of range.
EncodedPdu EncodeSubmitPduPart(const ConcatenatedMessage& message, int partNumber);
