#pragma once

#include "sim/DataCoding.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace sim {

// One received message (one part of a long one) in the modem's "SM" storage.
struct InboxEntry
{
    QByteArray pdu;     // the SMS-DELIVER in hex, SMSC field first, as PDU mode lists it
    int tpduLength = 0; // its octets after the SMSC field
    QString sender;     // empty for a PDU given as it is
    QDateTime time;
    Alphabet alphabet = Alphabet::Gsm7;
    QString text; // 7-bit and UCS2: this part's text; 8-bit: its octets in hex
    bool read = false;
};

// What a line of a modem's control FIFO asks for: the parts of one message, in the order the
// network delivers them. Throws SimError for a line it cannot read. The forms:
//   pdu HEX
//       an SMS-DELIVER as it is, SMSC field first
//   sms from=NUMBER [coding=gsm|ucs2|8bit] [ref16] [parts=N,M,...] text=TEXT
//       a message from NUMBER (a name when it is not digits), split into concatenated parts
//       when it is long (153 septets, 67 UTF-16 units or 134 octets a part) with an 8-bit
//       reference, or a 16-bit one with ref16; parts= delivers only those parts, in that
//       order. TEXT runs to the end of the line, "\n" in it for a line break; for 8bit it is
//       the data in hex. coding defaults to gsm, or ucs2 when the text needs it.
std::vector<InboxEntry> inboxEntriesFor(const QString& line, const QString& smsc,
                                        int& nextReference, const QDateTime& now);

// The text-mode header fields after "+CMGL: <index>," or "+CMGR: " and the body line, in the
// character set AT+CSCS chose.
QList<QByteArray> textModeInboxLines(const QByteArray& head, const InboxEntry& entry,
                                     const QString& charset);

// A part handed over without being stored: "+CMT: ,<length>" and the PDU in PDU mode,
// "+CMT: <oa>,,<scts>" and the text in text mode (with <tooa>,<fo>,<pid>,<dcs>,<sca>,<tosca>,
// <length> for UCS2 and 8-bit data, so the hex shows as such, and for a text of several lines,
// so it is read whole).
QList<QByteArray> directDeliveryLines(const InboxEntry& entry, bool pduMode,
                                      const QString& charset);

} // namespace sim
