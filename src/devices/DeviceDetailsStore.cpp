#include "devices/DeviceDetailsStore.h"

namespace {

const QLatin1String FieldSeparator("||");

} // namespace

void DeviceDetailsStore::append(const QString& portText, const QString& details)
{
    const std::lock_guard lock(m_mutex);
    m_entries.append(portText + FieldSeparator + details);
}

void DeviceDetailsStore::clear()
{
    const std::lock_guard lock(m_mutex);
    m_entries.clear();
}

QStringList DeviceDetailsStore::entries() const
{
    const std::lock_guard lock(m_mutex);
    return m_entries;
}

QString DeviceDetailsStore::FindDeviceDetails(const QString& portText) const
{
    const std::lock_guard lock(m_mutex);
    for (const QString& entry : m_entries) {
        const qsizetype separator = entry.indexOf(FieldSeparator);
        if (separator >= 0 && QStringView(entry).left(separator) == portText)
            return entry.mid(separator + FieldSeparator.size());
    }
    return {};
}

QString DeviceDetailsStore::GetDetailValue(const QString& portText, const QString& label) const
{
    return ::GetDetailValue(FindDeviceDetails(portText), label);
}

QString deviceDetailsText(const QString& portText, const QString& description,
                          const QString& deviceInformation)
{
    return QStringLiteral("COM Port :") + portText + QStringLiteral("\nCom Port Details :") +
           description + u'\n' + deviceInformation;
}

QString withSimState(const QString& details, const QString& trouble)
{
    if (trouble.isEmpty())
        return details;
    return details + u'\n' + QLatin1String(SimStateLabel) + trouble;
}
