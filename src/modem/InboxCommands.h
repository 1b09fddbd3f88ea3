#pragma once

#include "modem/StoredMessages.h"

#include <QString>
#include <optional>
#include <vector>

class ModemChannel;

// One look at the modem's storage of received messages.
struct StorageListing
{
    QString store;                 // where new messages go, "SM" when the modem names none
    std::optional<StorageUse> use; // its counts before the listing, when the modem gave them
    StoredMessageList list;
};

// Selects the storage new messages go to (AT+CPMS? then AT+CPMS="<mem3>") and lists all it
// holds (AT+CMGL=4 in PDU mode, AT+CMGL="ALL" in text mode, where `charset` is the AT+CSCS
// set). nullopt when the modem refused the listing.
std::optional<StorageListing> listReceivedMessages(ModemChannel& channel, bool pduMode,
                                                   const QString& charset = {});

// Makes the modem announce each new message with "+CMTI" (AT+CNMI <mt> 1) where it allows
// that, keeping its other AT+CNMI values, so where delivery reports go stays as it was set.
// True when the modem announces new messages afterwards.
bool setUpNewMessageIndications(ModemChannel& channel);

// The values of an "AT+CNMI?" answer, "+CNMI: 2,1,0,0,0"; nullopt when it has none.
std::optional<std::vector<int>> parseCnmiValues(const QString& answer);

// The message service of an "AT+CSMS?" answer, "+CSMS: 1,1,1,1"; nullopt when it has none.
std::optional<int> parseMessageService(const QString& answer);

// Whether the modem waits for AT+CNMA after each message it hands over directly ("+CMT"):
// it does with message service 1 (AT+CSMS?) while it routes them with <mt> 2 (AT+CNMI?).
bool directMessagesNeedAcknowledgement(ModemChannel& channel);

// AT+CNMA: the message handed over last is safe, the network need not send it again.
bool acknowledgeDirectMessage(ModemChannel& channel);

// AT+CMGD=<index> in the storage listed last; true when the modem took it.
bool deleteStoredMessage(ModemChannel& channel, int index);
