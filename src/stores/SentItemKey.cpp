#include "stores/SentItemKey.h"

#include <cstdint>

namespace SentItemKey {

QString MessageFingerprint(const QString& message)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const QChar c : message) {
        hash ^= c.unicode();
        hash *= 0x100000001b3ULL;
    }
    return QStringLiteral("%1").arg(hash, 16, 16, QChar(u'0'));
}

SentItem AsLogged(const QString& number, const QString& message, const QDate& day)
{
    SentItem item;
    const SentItem written{number, message, SentItemRecord::DateText(day), QString()};
    if (!SentItemRecord::FromLine(SentItemRecord::ToLine(written), item))
        return SentItem{};
    return item;
}

QString Of(const QString& number, const QString& date, const QString& messageFingerprint)
{
    return number + u'\x1F' + date + u'\x1F' + messageFingerprint;
}

QString Of(const SentItem& item)
{
    return Of(item.number, item.date, MessageFingerprint(item.message));
}

} // namespace SentItemKey
