#pragma once

#include "outbox/OutboxRow.h"
#include "stores/InboxRecord.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <mutex>
#include <vector>

class Clock;
struct InboxMessage;

// Joins the parts an instance's modems receive into the messages of the inbox table as the
// inbox window joins them: a message in one part at once, a long one when its last part came,
// or, once the window would show it as incomplete, with what came; it is handed out again,
// whole, if the missing parts come later. Each message carries the local inbox's key for it,
// so the table keeps one row per message across restarts. A copy of a part already taken
// gives nothing. The modems' workers hand parts in from their threads.
class OutboxReplies
{
public:
    explicit OutboxReplies(QString instance) : m_instance(std::move(instance)) {}

    // The parts the local inbox held before this instance began: a long message's part read
    // again, or its missing part, joins them as it does in the store. Before the first add.
    void seed(const std::vector<InboxPart>& stored);

    // The messages the part makes whole: none or one, or more when a part read again after a
    // restart belongs to messages the store holds whole already (their rows may be missing).
    std::vector<OutboxReply> add(const InboxPart& part);

    // The long messages, of parts taken since the start, that wait past the time-out for a
    // missing part: each handed out once, incomplete. `now` is compared through the clock.
    std::vector<OutboxReply> overdue(const QDateTime& now, const Clock& clock);

    // Long messages still missing parts.
    int waiting() const;

private:
    struct Group
    {
        std::vector<InboxPart> parts; // in the order the store holds them
        int incomplete = 0;
        bool live = false; // a part came since the start
    };

    OutboxReply replyOf(const InboxMessage& message) const;
    // Adds a long message's part to its group unless the group holds this very part.
    Group& place(const InboxPart& part);

    const QString m_instance;
    mutable std::mutex m_mutex;
    QSet<QString> m_taken;          // duplicate keys of the parts taken since the start
    QHash<QString, Group> m_groups; // long messages' parts by port, sender, reference, count
    QHash<QString, bool> m_told;    // message key: handed out whole (true) or incomplete
};
