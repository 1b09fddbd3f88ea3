#pragma once

#include "modem/DeliverPdu.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// Received messages as a modem lists and reads them back from its message storage.

// One message in the modem's storage.
struct StoredMessage
{
    int index = -1;    // -1 for an AT+CMGR answer, which names none
    bool read = false; // "REC READ" (1) rather than "REC UNREAD" (0)
    DeliverMessage message;
};

// What an AT+CMGL answer holds: the received messages, and the places of entries that could
// not be read as one (left in the modem, so nothing is lost).
struct StoredMessageList
{
    std::vector<StoredMessage> messages;
    std::vector<int> unreadable;
};

// The received messages of an AT+CMGL answer. PDU mode: "+CMGL: <index>,<stat>,[<alpha>],
// <length>" then the PDU line. Text mode: "+CMGL: <index>,<stat>,<oa>,[<alpha>],[<scts>]
// [,<tooa>,<length>]" then the text, which may run over several lines. Stored outgoing
// messages (stat 2 and 3, "STO UNSENT", "STO SENT") are left out. In text mode `charset` is
// the one AT+CSCS chose: with "UCS2" sender and text come as UCS2 hex; else a text that is
// exactly the hex of the length's octets is read as UCS2, and text mode knows no
// concatenation header, so each part is a message of its own.
StoredMessageList parseStoredMessageList(const QString& answer, bool pduMode,
                                         const QString& charset = {});

// The message of an AT+CMGR answer, in either mode; with AT+CSDH=1 text mode names the DCS.
std::optional<StoredMessage> parseStoredMessage(const QString& answer, bool pduMode,
                                                const QString& charset = {});

// A message the modem handed over without storing it, as the channel keeps the indication:
// header, "\n", body. PDU mode: "+CMT: [<alpha>],<length>" then the PDU; text mode:
// "+CMT: <oa>,[<alpha>],<scts>[,<tooa>,<fo>,<pid>,<dcs>,<sca>,<tosca>,<length>]" then the
// text (`charset` as for a listing; empty: UCS2 when the sender is the UCS2 hex of a number).
// The mode shows in the header. nullopt for another line,
// a header without its body, or a body that cannot be read.
std::optional<DeliverMessage> parseCmtIndication(QStringView indication,
                                                 const QString& charset = {});

// The storage and index of a "+CMTI: "SM",3" line.
struct NewMessageIndex
{
    QString store;
    int index = 0;
};
std::optional<NewMessageIndex> parseCmtiLine(QStringView line);

// The counts of an AT+CPMS answer: the storage read from, how many messages it holds and how
// many it can, from the read form ("+CPMS: "SM",3,30,...") or the set form ("+CPMS: 3,30,...").
struct StorageUse
{
    QString store; // empty for the set form, which names none
    int used = 0;
    int total = 0;

    bool full() const { return total > 0 && used >= total; }
};
std::optional<StorageUse> parseStorageUse(const QString& answer);

// The storage new messages go to (<mem3>) in an "AT+CPMS?" answer; empty when none is named.
QString receivedMessageStore(const QString& answer);
