#pragma once

#include "modem/DeliverPdu.h"
#include "stores/InboxRecord.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

class Clock;
class InboxStore;
class ModemChannel;
class PortMap;

// The part of the inbox store a received message gives.
InboxPart inboxPartOf(const DeliverMessage& message, const QString& port,
                      const QDateTime& receivedAt);

// What one reading of a modem's storage did.
struct InboxReading
{
    int port = 0;
    int stored = 0;               // new parts written to the store
    int duplicates = 0;           // parts the store already held (kept before, not deleted then)
    int left = 0;                 // parts left in the modem: unreadable, not stored or not deleted
    std::vector<InboxPart> added; // the new parts, in the order they were stored
    QString error;                // why the modem could not be read; empty when it was
};

// Called for each part once the store holds it (stored now, or a copy kept earlier) and before
// the modem's copy is deleted.
using AfterStoring = std::function<void(const InboxPart&)>;

// Takes every received message the modem holds into the store: lists the storage, stores
// each part and only then deletes it from the modem (AT+CMGD) when deleteAfterStoring. When
// the storage was full, messages the network held back come in as space frees: it is listed
// again until it was not full. In text mode the listing is read in UCS2 where the modem takes
// it, its own character set restored after. Raises CSMSException as the channel does.
InboxReading ReadInbox(ModemChannel& channel, bool pduMode, const QString& port, InboxStore& store,
                       bool deleteAfterStoring = true, const AfterStoring& afterStoring = {});

// A modem to read and the message mode its settings give (1 PDU, 2 text, 0 unknown: PDU when
// the modem takes it, else text).
struct InboxSource
{
    int port = 0;
    int messageMode = 0;
};

// Opens each modem in turn, reads it as above and closes it again. Blocks for as long as the
// modems take: call it off the UI thread.
std::vector<InboxReading> ReadInboxFromModems(const std::vector<InboxSource>& sources,
                                              const PortMap& ports, const Clock& clock,
                                              InboxStore& store, bool deleteAfterStoring);
