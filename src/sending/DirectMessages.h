#pragma once

#include "sending/InboxReading.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

class InboxStore;
class ModemChannel;

// What taking the messages a modem handed over directly did.
struct DirectMessagesTaken
{
    int stored = 0;               // new parts written to the store
    int duplicates = 0;           // parts the store already held
    int failed = 0;               // not stored (or unreadable): left unacknowledged
    std::vector<InboxPart> added; // the new parts, in the order they were stored
};

// Stores the messages among a channel's unsolicited lines that the modem handed over without
// storing them ("+CMT"), each part as a stored one would be, and calls afterStoring for it.
// With `acknowledge` the modem is told (AT+CNMA) once a part is stored, never before: one not
// stored is left for the network to send again. Call it between commands, never inside a
// submission. Raises CSMSException as the channel does.
DirectMessagesTaken TakeDirectMessages(ModemChannel& channel, const QList<QByteArray>& lines,
                                       const QString& port, InboxStore& store, bool acknowledge,
                                       const AfterStoring& afterStoring = {});
