#include "devices/DeviceState.h"

namespace {

QString portOfEntry(const QString& entry)
{
    const qsizetype bar = entry.indexOf(u"||");
    return bar < 0 ? entry : entry.left(bar);
}

} // namespace

QStringList DeviceState::customSmscList() const
{
    return locked(m_customSmsc);
}

void DeviceState::setCustomSmscList(QStringList entries)
{
    setLocked(m_customSmsc, std::move(entries));
}

std::optional<QString> DeviceState::FindCustomSmsc(const QString& portText) const
{
    std::lock_guard lock(m_mutex);
    return findCustomSmscLocked(portText);
}

std::optional<QString> DeviceState::findCustomSmscLocked(const QString& portText) const
{
    for (const QString& entry : m_customSmsc) {
        if (portOfEntry(entry) != portText)
            continue;
        const qsizetype bar = entry.indexOf(u"||");
        const QString rest = entry.mid(bar + 2);
        if (rest.isEmpty() || entry.endsWith(u"||N"))
            return std::nullopt;
        const qsizetype flagBar = rest.lastIndexOf(u"||");
        return flagBar < 0 ? rest : rest.left(flagBar);
    }
    return std::nullopt;
}

void DeviceState::RemoveCustomSmsc(const QString& portText)
{
    std::lock_guard lock(m_mutex);
    for (qsizetype i = 0; i < m_customSmsc.size(); ++i) {
        if (portOfEntry(m_customSmsc.at(i)) == portText) {
            m_customSmsc.removeAt(i);
            return;
        }
    }
}

void DeviceState::saveCustomSmsc(const QString& portText, const QString& number,
                                 const QString& flag)
{
    RemoveCustomSmsc(portText);
    std::lock_guard lock(m_mutex);
    m_customSmsc.append(portText + QStringLiteral("||") + number + QStringLiteral("||") + flag);
}

QList<int> DeviceState::deviceModeList() const
{
    return locked(m_modes);
}

void DeviceState::setDeviceModeList(QList<int> modes)
{
    std::lock_guard lock(m_mutex);
    m_modes = std::move(modes);
}

QList<DeviceChoice> DeviceState::choiceList() const
{
    return locked(m_choices);
}

int DeviceState::choiceSelection() const
{
    return locked(m_choiceSelection);
}

QString DeviceState::chosenLabel() const
{
    std::lock_guard lock(m_mutex);
    if (m_choiceSelection < 0 || m_choiceSelection >= m_choices.size())
        return {};
    return m_choices.at(m_choiceSelection).label;
}

void DeviceState::setChoiceList(QList<DeviceChoice> entries, int selected)
{
    std::lock_guard lock(m_mutex);
    m_choices = std::move(entries);
    m_choiceSelection = selected;
}

QStringList DeviceState::deviceList() const
{
    return locked(m_deviceList);
}

int DeviceState::deviceListSelection() const
{
    return locked(m_deviceSelection);
}

QString DeviceState::selectedDevice() const
{
    std::lock_guard lock(m_mutex);
    if (m_deviceSelection < 0 || m_deviceSelection >= m_deviceList.size())
        return {};
    return m_deviceList.at(m_deviceSelection);
}

void DeviceState::setDeviceList(QStringList labels, int selected)
{
    std::lock_guard lock(m_mutex);
    m_deviceList = std::move(labels);
    m_deviceSelection = selected;
}

std::optional<QString> DeviceState::removeFromDeviceList(const QString& prefix)
{
    std::lock_guard lock(m_mutex);
    for (qsizetype i = 0; i < m_deviceList.size(); ++i) {
        if (!m_deviceList.at(i).contains(prefix))
            continue;
        const QString selected = m_deviceSelection >= 0 && m_deviceSelection < m_deviceList.size()
                                     ? m_deviceList.at(m_deviceSelection)
                                     : QString();
        QString label = m_deviceList.takeAt(i);
        m_deviceSelection = selected.isEmpty() ? -1 : int(m_deviceList.indexOf(selected));
        return label;
    }
    return std::nullopt;
}

QStringList DeviceState::devicesInList() const
{
    std::lock_guard lock(m_mutex);
    QStringList devices = m_deviceList;
    devices.removeAll(AllDeviceText());
    return devices;
}

QString DeviceState::DeviceRecordText() const
{
    return locked(m_recordText);
}

void DeviceState::setDeviceRecordText(QString text)
{
    setLocked(m_recordText, std::move(text));
}

int DeviceState::DeviceCount() const
{
    return locked(m_deviceCount);
}

void DeviceState::setDeviceCount(int count)
{
    setLocked(m_deviceCount, std::move(count));
}

QString DeviceState::ConnectedDeviceText() const
{
    return locked(m_connectedText);
}

void DeviceState::setConnectedDeviceText(QString text)
{
    setLocked(m_connectedText, std::move(text));
}

DeviceChoice DeviceState::LastConfirmedDevice() const
{
    return locked(m_lastConfirmed);
}

void DeviceState::setLastConfirmedDevice(DeviceChoice device)
{
    setLocked(m_lastConfirmed, std::move(device));
}

int DeviceState::QuotaTotalMessages() const
{
    return locked(m_quotaTotal);
}

void DeviceState::setQuotaTotalMessages(int total)
{
    setLocked(m_quotaTotal, std::move(total));
}

DeviceSendSettings DeviceState::sendSettingsOf(int port) const
{
    std::lock_guard lock(m_mutex);
    DeviceSendSettings settings;
    for (qsizetype i = 0; i < m_choices.size(); ++i) {
        if (m_choices.at(i).port == port) {
            settings.messageMode = i < m_modes.size() ? m_modes.at(i) : 0;
            break;
        }
    }
    if (const auto smsc = findCustomSmscLocked(QStringLiteral("COM%1").arg(port))) {
        settings.customSmsc = true;
        settings.smscNumber = *smsc;
    }
    return settings;
}

std::optional<DeviceRecord> DeviceState::recordOf(int port) const
{
    std::lock_guard lock(m_mutex);
    return FindDeviceRecord(m_recordText, QStringLiteral("COM%1").arg(port));
}

std::vector<ConfirmedPort> DeviceState::confirmedPorts() const
{
    std::vector<ConfirmedPort> ports;
    QList<int> seen;
    for (const DeviceChoice& choice : choiceList()) {
        if (choice.port <= 0 || seen.contains(choice.port))
            continue; // "All Device", or a port listed twice
        seen.append(choice.port);
        ports.push_back({choice.port, sendSettingsOf(choice.port).messageMode});
    }
    return ports;
}
