#pragma once

#include "sim/DataCoding.h"
#include "sim/Gsm7.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace sim {

// One information element of a user-data header.
struct HeaderElement
{
    int id = 0;
    QByteArray data;
};

// The concatenation element (8-bit or 16-bit reference) of a user-data header.
struct Concatenation
{
    int reference = 0;
    int total = 1;
    int part = 1;
    bool sixteenBitReference = false;
};

// An SMS-SUBMIT as a modem reads it from AT+CMGS in PDU mode (3GPP TS 23.040).
struct DecodedSubmit
{
    QString smsc;       // with "+" when international; empty when the PDU names none
    int smscType = 0;   // type-of-address octet, 0 when there is no SMSC
    int tpduLength = 0; // octets after the SMSC part: the number AT+CMGS must give
    quint8 firstOctet = 0;
    int messageReference = 0;
    QString destination; // with "+" when international
    int destinationType = 0;
    int protocolId = 0;
    quint8 dcs = 0;
    DataCoding coding;
    int validityFormat = 0;             // TP-VPF: 0 none, 2 relative, 1 enhanced, 3 absolute
    QByteArray validityPeriod;          // the raw octets of TP-VP
    std::optional<int> validityMinutes; // relative format only
    int userDataLength = 0;             // TP-UDL as sent (septets or octets, header included)
    std::vector<HeaderElement> header;
    std::optional<Concatenation> concatenation;
    int lockingShift = 0; // national language tables the header names, 0 for the default
    int singleShift = 0;
    Septets septets;    // GSM 7-bit text septets after the header
    QByteArray payload; // 8-bit or UCS2 octets after the header
    QString text;

    bool rejectDuplicates() const { return firstOctet & 0x04; }
    bool statusReportRequested() const { return firstOctet & 0x20; }
    bool hasUserDataHeader() const { return firstOctet & 0x40; }
    bool replyPath() const { return firstOctet & 0x80; }
};

// Decodes upper- or lower-case hex. With hasSmscPrefix the PDU starts with the SMSC part ("00"
// for the modem's own SMSC), as AT+CMGS takes it. Malformed input gives nothing, and error (when
// given) says why.
std::optional<DecodedSubmit> decodeSubmitPdu(const QByteArray& hex, bool hasSmscPrefix,
                                             QString* error = nullptr);

// The whole text of a concatenated message from its parts, in part order. GSM parts are joined
// as septets, so an escape pair cut at a part boundary is read whole.
QString reassembleText(std::vector<DecodedSubmit> parts);

// Minutes of a relative TP-VP value.
int relativeValidityMinutes(quint8 vp);

} // namespace sim
