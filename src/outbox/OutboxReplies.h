#pragma once

#include "outbox/OutboxRow.h"
#include "stores/InboxRecord.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <mutex>
#include <optional>
#include <vector>

// Joins the parts an instance's modems receive into the messages of the inbox table: a message
// in one part at once, a long one when its last part came, its parts in their order. A copy of
// a part already taken (read again after a failure before its deletion) gives nothing. The
// modems' workers hand parts in from their threads.
class OutboxReplies
{
public:
    explicit OutboxReplies(QString instance) : m_instance(std::move(instance)) {}

    std::optional<OutboxReply> add(const InboxPart& part);

    // Long messages still missing parts.
    int waiting() const;

private:
    const QString m_instance;
    mutable std::mutex m_mutex;
    QSet<QString> m_taken;                          // duplicate keys of the parts taken
    QHash<QString, std::vector<InboxPart>> m_parts; // of the long messages not yet whole
};
