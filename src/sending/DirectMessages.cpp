#include "sending/DirectMessages.h"

#include "modem/InboxCommands.h"
#include "modem/StoredMessages.h"
#include "stores/InboxStore.h"

DirectMessagesTaken TakeDirectMessages(ModemChannel& channel, const QList<QByteArray>& lines,
                                       const QString& port, InboxStore& store, bool acknowledge,
                                       const AfterStoring& afterStoring)
{
    DirectMessagesTaken taken;
    for (const QByteArray& line : lines) {
        if (!line.startsWith("+CMT:"))
            continue;
        const std::optional<DeliverMessage> message = parseCmtIndication(QString::fromLatin1(line));
        if (!message) {
            ++taken.failed;
            continue;
        }
        const InboxPart part = inboxPartOf(*message, port, QDateTime::currentDateTime());
        const InboxStore::AddResult added = store.Add(part);
        if (added == InboxStore::AddResult::Failed) {
            ++taken.failed;
            continue;
        }
        if (added == InboxStore::AddResult::Added) {
            ++taken.stored;
            taken.added.push_back(part);
        } else {
            ++taken.duplicates;
        }
        if (afterStoring)
            afterStoring(part);
        if (acknowledge)
            (void)acknowledgeDirectMessage(channel);
    }
    return taken;
}
