#include "stores/InboxView.h"

#include <QHash>
#include <algorithm>

namespace {

QString numberKey(const QString& number)
{
    const QString trimmed = number.trimmed();
    return (trimmed.startsWith(u'+') ? trimmed.mid(1) : trimmed).toLower();
}

} // namespace

bool InboxReadState::isRead(const InboxMessage& message) const
{
    return keys.contains(message.key) ||
           (seenUntil.isValid() && message.receivedAt.isValid() && message.receivedAt <= seenUntil);
}

bool InboxDateFilter::admits(const QDateTime& received) const
{
    const QDate day = received.toLocalTime().date();
    return (!from || day >= *from) && (!to || day <= *to);
}

std::vector<InboxRow> inboxRows(const std::vector<InboxPart>& parts,
                                const std::vector<SentItem>& sent, const InboxReadState& read,
                                const InboxDateFilter& filter, const QDateTime& now,
                                const Clock& clock)
{
    QHash<QString, const SentItem*> lastSent;
    for (const SentItem& item : sent)
        lastSent.insert(numberKey(item.number), &item);
    std::vector<InboxRow> rows;
    for (InboxMessage& message : assembleInbox(parts, now, clock).messages) {
        if (!filter.admits(message.receivedAt))
            continue;
        InboxRow row;
        row.unread = !read.isRead(message);
        if (const SentItem* item = lastSent.value(numberKey(message.sender)))
            row.repliesTo = item->date + QStringLiteral(": ") + item->message;
        row.message = std::move(message);
        rows.push_back(std::move(row));
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}
