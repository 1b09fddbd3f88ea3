#include "outbox/OutboxReplies.h"

#include "base/Clock.h"
#include "stores/InboxAssembly.h"

#include <algorithm>

namespace {

bool isLong(const InboxPart& part)
{
    return part.reference >= 0 && part.partCount > 1;
}

QString groupKey(const InboxPart& part)
{
    return QStringList{part.port, part.sender, QString::number(part.reference),
                       QString::number(part.partCount)}
        .join(QChar(0x1f));
}

// No time-out passes for an invalid time: only the whole messages come out.
InboxAssembly wholeOnly(const std::vector<InboxPart>& parts)
{
    return assembleInbox(parts, QDateTime(), Clock::system());
}

} // namespace

OutboxReply OutboxReplies::replyOf(const InboxMessage& message) const
{
    // Dated by its last part, as the inbox shows it.
    return {message.sender,
            message.text,
            message.receivedAt.isValid() ? message.receivedAt.toSecsSinceEpoch() : 0,
            message.port,
            m_instance,
            message.key,
            message.complete()};
}

OutboxReplies::Group& OutboxReplies::place(const InboxPart& part)
{
    Group& group = m_groups[groupKey(part)];
    const QString duplicate = part.duplicateKey();
    if (std::none_of(group.parts.begin(), group.parts.end(),
                     [&](const InboxPart& held) { return held.duplicateKey() == duplicate; }))
        group.parts.push_back(part);
    return group;
}

void OutboxReplies::seed(const std::vector<InboxPart>& stored)
{
    std::lock_guard lock(m_mutex);
    for (const InboxPart& part : stored)
        if (isLong(part))
            place(part);
    for (Group& group : m_groups)
        group.incomplete = wholeOnly(group.parts).waiting;
}

std::vector<OutboxReply> OutboxReplies::add(const InboxPart& part)
{
    std::lock_guard lock(m_mutex);
    const QString duplicate = part.duplicateKey();
    if (m_taken.contains(duplicate))
        return {};
    m_taken.insert(duplicate);
    if (!isLong(part)) {
        const InboxAssembly assembly = wholeOnly({part});
        return {replyOf(assembly.messages.front())};
    }
    Group& group = place(part);
    group.live = true;
    const InboxAssembly assembly = wholeOnly(group.parts);
    group.incomplete = assembly.waiting;
    std::vector<OutboxReply> replies;
    for (const InboxMessage& message : assembly.messages) {
        if (!message.complete() || m_told.value(message.key, false))
            continue;
        m_told.insert(message.key, true);
        replies.push_back(replyOf(message));
    }
    return replies;
}

std::vector<OutboxReply> OutboxReplies::overdue(const QDateTime& now, const Clock& clock)
{
    std::lock_guard lock(m_mutex);
    std::vector<OutboxReply> replies;
    for (const Group& group : std::as_const(m_groups)) {
        if (!group.live || group.incomplete == 0)
            continue;
        for (const InboxMessage& message : assembleInbox(group.parts, now, clock).messages) {
            if (message.complete() || m_told.contains(message.key))
                continue;
            m_told.insert(message.key, false);
            replies.push_back(replyOf(message));
        }
    }
    return replies;
}

int OutboxReplies::waiting() const
{
    std::lock_guard lock(m_mutex);
    int waiting = 0;
    for (const Group& group : m_groups)
        waiting += group.incomplete;
    return waiting;
}
