#include "sending/OptOutWatch.h"

#include "stores/DataFolder.h"

OptOutWatch::OptOutWatch(InboxStore& inbox, const DataFolder& folder, OptOutSettings settings)
    : m_inbox(inbox), m_folder(folder), m_settings(std::move(settings))
{}

QString OptOutWatch::keyOf(const QString& number)
{
    const QString trimmed = number.trimmed();
    return (trimmed.startsWith(u'+') ? trimmed.mid(1) : trimmed).toLower();
}

void OptOutWatch::partStored(const InboxPart& part)
{
    if (received)
        received(part);
    // A keyword is a short message: one part, as text.
    if (part.partCount != 1 || part.coding != InboxPart::Coding::Text || part.sender.isEmpty() ||
        !isOptOutReply(part.text, m_settings.keywords))
        return;
    std::lock_guard lock(m_mutex);
    if (m_keys.contains(keyOf(part.sender)))
        return;
    m_keys.insert(keyOf(part.sender));
    m_numbers.append(part.sender);
    ++m_version;
    FileError error;
    if (!AddToExclusionList(m_folder, m_settings.listName, part.sender, &error) && trace)
        trace(QStringLiteral("%1 opted out but could not be added to \"%2\": %3")
                  .arg(part.sender, m_settings.listName, FileErrorText(error)));
}

bool OptOutWatch::hasOptedOut(const QString& number) const
{
    std::lock_guard lock(m_mutex);
    return m_keys.contains(keyOf(number));
}

QStringList OptOutWatch::optedOut() const
{
    std::lock_guard lock(m_mutex);
    return m_numbers;
}
