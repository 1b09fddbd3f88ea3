#include "stores/InboxAssembly.h"

#include "base/Clock.h"

#include <QCryptographicHash>
#include <map>
#include <tuple>

namespace {

struct Group
{
    const InboxPart* first = nullptr; // stored first
    std::map<int, const InboxPart*> parts;
    QDateTime lastReceived;
};

using GroupKey = std::tuple<QString, QString, int, int>;

InboxMessage messageOf(const Group& group)
{
    const InboxPart& first = *group.parts.begin()->second;
    InboxMessage message;
    message.port = first.port;
    message.sender = first.sender;
    message.serviceCentreTime = first.serviceCentreTime;
    message.receivedAt = group.lastReceived;
    message.coding = first.coding;
    message.partCount = first.partCount;
    message.key = QString::fromLatin1(
        QCryptographicHash::hash(group.first->duplicateKey().toUtf8(), QCryptographicHash::Sha1)
            .toHex());
    for (int number = 1; number <= first.partCount; ++number) {
        const auto found = group.parts.find(number);
        if (found == group.parts.end()) {
            message.missingParts.push_back(number);
            message.text += MissingPartMark;
        } else {
            message.text += found->second->text;
        }
    }
    return message;
}

} // namespace

InboxAssembly assembleInbox(const std::vector<InboxPart>& parts, const QDateTime& now,
                            const Clock& clock)
{
    std::vector<Group> groups;
    std::map<GroupKey, std::vector<std::size_t>> open; // the groups of a key, oldest first
    for (const InboxPart& part : parts) {
        std::size_t target = groups.size();
        if (part.reference >= 0 && part.partCount > 1) {
            const GroupKey key{part.port, part.sender, part.reference, part.partCount};
            bool duplicate = false;
            for (const std::size_t index : open[key]) {
                const auto held = groups[index].parts.find(part.part);
                if (held == groups[index].parts.end()) {
                    target = index;
                    break;
                }
                if (held->second->text == part.text) {
                    duplicate = true;
                    break;
                }
            }
            if (duplicate)
                continue;
            if (target == groups.size())
                open[key].push_back(target);
        }
        if (target == groups.size())
            groups.emplace_back();
        Group& group = groups[target];
        if (!group.first)
            group.first = &part;
        group.parts.emplace(part.part, &part);
        if (!group.lastReceived.isValid() || part.receivedAt > group.lastReceived)
            group.lastReceived = part.receivedAt;
    }

    const qint64 timeoutMs = clock.realDuration(MissingPartTimeoutMs).count();
    InboxAssembly assembly;
    for (const Group& group : groups) {
        InboxMessage message = messageOf(group);
        if (!message.complete() && group.lastReceived.isValid() &&
            group.lastReceived.msecsTo(now) < timeoutMs) {
            ++assembly.waiting;
            continue;
        }
        assembly.messages.push_back(std::move(message));
    }
    return assembly;
}
