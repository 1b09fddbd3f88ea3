#pragma once

#include "sim/ModemProfile.h"
#include "sim/ModemState.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace sim {

// The status octet the network reports for a destination by the profile's report rules:
// 0x00 delivered, 0x46 expired, 0x41 rejected; nothing for "none".
std::optional<int> reportStatusFor(const ModemProfile& profile, const QString& destination);

// Whether a submitted PDU (hex, SMSC field first) or the text-mode first octet asks for one.
bool pduAsksForReport(const QString& pdu);
inline bool firstOctetAsksForReport(int firstOctet)
{
    return firstOctet & 0x20;
}

// The SMS-STATUS-REPORT of an entry as hex with an empty SMSC field, and its TPDU length.
QByteArray statusReportPdu(const StatusReportEntry& report);
int statusReportTpduLength(const StatusReportEntry& report);

// The text-mode fields from the first octet on: 6,<mr>,"<ra>",<tora>,"<scts>","<dt>",<st>.
QByteArray statusReportTextFields(const StatusReportEntry& report);

} // namespace sim
