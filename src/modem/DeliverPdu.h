#pragma once

#include "modem/PduFields.h"

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <variant>

// How the user data of a received message is written.
enum class MessageCoding
{
    Gsm7,     // the GSM 7-bit default alphabet with its extension table
    EightBit, // binary data: shown as upper-case hex
    Ucs2,     // UTF-16 code units, high octet first
};

struct DataCodingScheme
{
    MessageCoding coding = MessageCoding::Gsm7;
    bool flash = false; // message class 0
};

// The alphabet and class of a DCS octet (TP-DCS). Compressed text cannot be shown as text, so
// it shows as its octets.
DataCodingScheme readDataCoding(int dcs);

// The concatenation header of one part of a long message.
struct ConcatenationInfo
{
    int reference = 0; // the same for all parts of one message
    int count = 1;
    int sequence = 1; // 1 to count
    bool sixteenBitReference = false;

    bool operator==(const ConcatenationInfo&) const = default;
};

// One received SMS-DELIVER.
struct DeliverMessage
{
    PduAddressField sender;
    QDateTime serviceCentreTime; // invalid when the octets are not a time
    int protocolId = 0;
    int dataCoding = 0; // the raw DCS octet
    MessageCoding coding = MessageCoding::Gsm7;
    bool flash = false; // message class 0: shown at once, not kept by the phone
    std::optional<ConcatenationInfo> concatenation;
    // The user data without its header: text, or hex for 8-bit data. A UCS2 part may end in
    // the first half of a surrogate pair whose second half starts the next part.
    QString text;
};

// Why a text is not an SMS-DELIVER.
enum class DeliverError
{
    NotHex,           // a character that is not a hex digit where an octet belongs
    SmscCutShort,     // the service-centre field runs past the end
    NotDeliver,       // the message type is not SMS-DELIVER
    AddressInvalid,   // the originating address is cut short or too long
    CutShort,         // the PDU ends before its time stamp or user-data length
    UserDataCutShort, // fewer octets than the user-data length needs
    HeaderInvalid,    // the user-data header runs past the user data
};

// A short English reason, for traces and the command line.
QString deliverErrorText(DeliverError error);

using DeliverDecoding = std::variant<DeliverMessage, DeliverError>;

// Decodes an SMS-DELIVER in hex (either case, blanks around it ignored), with the SMSC field
// in front when withSmsc, as "+CMGL:", "+CMGR:" and "+CMT:" give it in PDU mode. Octets after
// the user data are read past. Header elements other than concatenation are skipped; a
// concatenation element whose sequence number is 0 or beyond its count is ignored.
DeliverDecoding decodeDeliverPdu(QStringView hex, bool withSmsc = true);
