#include "recipients/ImportProgress.h"

#include <QCoreApplication>

void ImportProgress::record(std::uint64_t current, const QString& number, const QString& message)
{
    std::lock_guard lock(m_mutex);
    m_latest.current = current;
    m_latest.number = number;
    m_latest.message = message;
}

ImportProgress::Snapshot ImportProgress::snapshot() const
{
    std::lock_guard lock(m_mutex);
    Snapshot copy = m_latest;
    copy.total = total();
    return copy;
}

QString ImportProgress::totalText(std::uint64_t total)
{
    return QCoreApplication::translate("ImportProgress", "Total Records : %1").arg(total);
}

QString ImportProgress::readingText(std::uint64_t current, std::uint64_t total)
{
    return QCoreApplication::translate("ImportProgress", "Currently Reading : %1 / %2 Records")
        .arg(current)
        .arg(total);
}

QString ImportProgress::shortMessage(const QString& message)
{
    constexpr qsizetype shown = 160;
    return message.size() > shown ? message.left(shown) + QStringLiteral("...") : message;
}
