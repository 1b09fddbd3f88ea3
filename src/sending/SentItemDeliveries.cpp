#include "sending/SentItemDeliveries.h"

#include "base/StatusTexts.h"
#include "sending/DeliveryTracker.h"
#include "stores/SentItemKey.h"

#include <QHash>
#include <unordered_set>

namespace {

QString keyOf(const DeliveryPartRecord& part)
{
    return SentItemKey::Of(SentItemKey::AsLogged(part.recipient, QString(), part.day).number,
                           SentItemRecord::DateText(part.day), part.messageKey);
}

// Every row that kept its sent-items key, once each, in the order the store has them.
QHash<QString, std::vector<DeliveryRowId>>
rowsByKey(const std::vector<DeliveryRecordEntry>& entries)
{
    QHash<QString, std::vector<DeliveryRowId>> rows;
    std::unordered_set<DeliveryRowId, DeliveryRowIdHash> seen;
    for (const DeliveryRecordEntry& entry : entries) {
        const auto* part = std::get_if<DeliveryPartRecord>(&entry);
        if (!part || !part->day.isValid() || part->messageKey.isEmpty())
            continue;
        const DeliveryRowId id{part->run, part->row};
        if (seen.insert(id).second)
            rows[keyOf(*part)].push_back(id);
    }
    return rows;
}

} // namespace

std::vector<std::optional<DeliveryRowId>>
SentItemRows(const std::vector<SentItem>& items, const std::vector<DeliveryRecordEntry>& entries)
{
    std::vector<std::optional<DeliveryRowId>> result(items.size());
    const QHash<QString, std::vector<DeliveryRowId>> rows = rowsByKey(entries);
    if (rows.isEmpty())
        return result;
    QHash<QString, std::size_t> taken; // rows of each key already paired, from the newest
    for (std::size_t i = items.size(); i-- > 0;) {
        if (!StatusTexts::isSentStatus(items[i].status))
            continue; // a failed row sent no part
        const QString key = SentItemKey::Of(items[i]);
        const auto found = rows.constFind(key);
        if (found == rows.constEnd())
            continue;
        std::size_t& used = taken[key];
        if (used < found->size())
            result[i] = (*found)[found->size() - 1 - used++];
    }
    return result;
}

std::vector<QString> SentItemDeliveryTexts(const std::vector<SentItem>& items,
                                           const std::vector<DeliveryRecordEntry>& entries)
{
    std::vector<QString> texts(items.size());
    const std::vector<std::optional<DeliveryRowId>> rows = SentItemRows(items, entries);
    DeliveryTracker tracker;
    tracker.addEntries(entries, QDateTime());
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!rows[i])
            continue;
        if (const std::optional<RowDelivery> delivery = tracker.rowDelivery(*rows[i]))
            texts[i] = deliveryText(*delivery);
    }
    return texts;
}
