#include "sending/ConsumedQuotaLog.h"

namespace {

QStringView portPart(const QString& entry)
{
    const qsizetype bar = entry.indexOf(u'|');
    return bar < 0 ? QStringView(entry) : QStringView(entry).left(bar);
}

} // namespace

void ConsumedQuotaLog::append(int port, int count)
{
    std::lock_guard lock(m_mutex);
    m_entries.append(QStringLiteral("%1|%2").arg(port).arg(count));
}

void ConsumedQuotaLog::clear()
{
    std::lock_guard lock(m_mutex);
    m_entries.clear();
}

int ConsumedQuotaLog::consumedBy(int port) const
{
    std::lock_guard lock(m_mutex);
    int total = 0;
    for (const QString& entry : m_entries) {
        if (portPart(entry).toInt() != port)
            continue;
        const qsizetype bar = entry.indexOf(u'|');
        total += bar < 0 ? 0 : QStringView(entry).mid(bar + 1).toInt();
    }
    return total;
}

void ConsumedQuotaLog::removePortsIn(const QString& text)
{
    // The port is matched with the separator after it, so removing COM12 keeps COM1's entries.
    std::lock_guard lock(m_mutex);
    m_entries.removeIf([&](const QString& entry) {
        return text.contains(QStringLiteral("COM") + portPart(entry).toString() +
                             QStringLiteral(" - "));
    });
}

QStringList ConsumedQuotaLog::entries() const
{
    std::lock_guard lock(m_mutex);
    return m_entries;
}
