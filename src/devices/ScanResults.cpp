#include "devices/ScanResults.h"

#include "devices/DeviceDetailsStore.h"

#include <algorithm>

QStringList ScanDeviceRow::columns() const
{
    return {comPort, comPortDetails, comPortStatus,  smscNo,       imeiNo,
            smsMode, defaultSmscNo,  supportedModes, useCustomSmsc};
}

void ScanResults::clearScanResults()
{
    m_details.clear();
    const std::lock_guard lock(m_mutex);
    m_rows.clear();
    m_finalPorts.clear();
    m_finalNames.clear();
    // The mode list runs parallel to the rows.
    m_modes.clear();
}

void ScanResults::setFinalPorts(const std::vector<int>& ports, const QStringList& names)
{
    const std::lock_guard lock(m_mutex);
    m_finalPorts = ports;
    m_finalNames = names;
}

void ScanResults::resetCustomSmscList(const QStringList& entries)
{
    const std::lock_guard lock(m_mutex);
    m_customSmsc = entries;
}

bool ScanResults::hasImei(const QString& imei) const
{
    const std::lock_guard lock(m_mutex);
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [&](const ScanDeviceRow& row) { return row.imeiNo == imei; });
}

void ScanResults::appendDevice(const QString& portText, const QString& details,
                               const ScanDeviceRow& row, int modeCode)
{
    m_details.append(portText, details);
    const std::lock_guard lock(m_mutex);
    m_rows.push_back(row);
    m_modes.push_back(modeCode);
}

std::vector<ScanDeviceRow> ScanResults::rows() const
{
    const std::lock_guard lock(m_mutex);
    return m_rows;
}

std::vector<int> ScanResults::FinalPortList() const
{
    const std::lock_guard lock(m_mutex);
    return m_finalPorts;
}

QStringList ScanResults::FinalPortNames() const
{
    const std::lock_guard lock(m_mutex);
    return m_finalNames;
}

QStringList ScanResults::CustomSmscList() const
{
    const std::lock_guard lock(m_mutex);
    return m_customSmsc;
}

std::vector<int> ScanResults::DeviceModeList() const
{
    const std::lock_guard lock(m_mutex);
    return m_modes;
}
