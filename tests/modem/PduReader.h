#pragma once

#include <QString>
#include <stdexcept>

// Reads back the fields of an SMS-SUBMIT in hex, so tests can look at one field at a time.
struct SubmitFields
{
    QString smscField;
    int firstOctet = 0;
    QString destinationField;
    int dataCodingScheme = 0;
    int validity = 0;
    int userDataLength = 0;
    QString header; // user-data header with its length octet, when the first octet says so
    QString data;   // user data after the header
    int tpduOctets = 0;
};

inline SubmitFields readSubmitPdu(const QString& pdu, bool withSmsc = true)
{
    qsizetype at = 0;
    auto octet = [&] {
        if (at + 2 > pdu.size())
            throw std::runtime_error("PDU ends early");
        bool ok = false;
        const int value = pdu.mid(at, 2).toInt(&ok, 16);
        if (!ok)
            throw std::runtime_error("not hex");
        at += 2;
        return value;
    };
    SubmitFields fields;
    if (withSmsc) {
        const int length = octet();
        at += 2 * length;
        fields.smscField = pdu.left(at);
    }
    const qsizetype tpduStart = at;
    fields.firstOctet = octet();
    octet(); // message reference
    const qsizetype destinationStart = at;
    const int digits = octet();
    at += digits > 0 ? 2 + 2 * ((digits + 1) / 2) : 0;
    fields.destinationField = pdu.mid(destinationStart, at - destinationStart);
    octet(); // protocol identifier
    fields.dataCodingScheme = octet();
    fields.validity = octet();
    fields.userDataLength = octet();
    if (fields.firstOctet & 0x40) {
        const qsizetype headerStart = at;
        at += 2 * octet();
        fields.header = pdu.mid(headerStart, at - headerStart);
    }
    fields.data = pdu.mid(at);
    fields.tpduOctets = static_cast<int>((pdu.size() - tpduStart) / 2);
    return fields;
}
