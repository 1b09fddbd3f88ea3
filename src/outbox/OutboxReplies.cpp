#include "outbox/OutboxReplies.h"

#include <algorithm>

namespace {

OutboxReply replyOf(const InboxPart& part, const QString& text, const QString& instance)
{
    return {part.sender, text, part.receivedAt.isValid() ? part.receivedAt.toSecsSinceEpoch() : 0,
            part.port, instance};
}

} // namespace

std::optional<OutboxReply> OutboxReplies::add(const InboxPart& part)
{
    std::lock_guard lock(m_mutex);
    if (m_taken.contains(part.duplicateKey()))
        return std::nullopt;
    m_taken.insert(part.duplicateKey());
    if (part.partCount <= 1 || part.reference < 0 || part.part < 1 || part.part > part.partCount)
        return replyOf(part, part.text, m_instance);
    const QString key = QStringList{part.port, part.sender, QString::number(part.reference),
                                    QString::number(part.partCount)}
                            .join(QChar(0x1f));
    std::vector<InboxPart>& parts = m_parts[key];
    if (std::any_of(parts.begin(), parts.end(),
                    [&](const InboxPart& other) { return other.part == part.part; }))
        return std::nullopt; // the same number again: the store keeps the first
    parts.push_back(part);
    if (int(parts.size()) < part.partCount)
        return std::nullopt;
    std::sort(parts.begin(), parts.end(),
              [](const InboxPart& a, const InboxPart& b) { return a.part < b.part; });
    QString text;
    for (const InboxPart& each : parts)
        text += each.text;
    // Dated by its last part, as the inbox shows it.
    OutboxReply reply = replyOf(part, text, m_instance);
    m_parts.remove(key);
    return reply;
}

int OutboxReplies::waiting() const
{
    std::lock_guard lock(m_mutex);
    return int(m_parts.size());
}
