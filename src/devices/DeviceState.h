#pragma once

#include "devices/DeviceDetailsStore.h"
#include "devices/DeviceRecords.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <mutex>
#include <optional>
#include <vector>

// A device of the device choice list: its label "COM7 - description" and its port number.
// A confirmed modem and the message mode it sends in (1 PDU, 2 text).
struct ConfirmedPort
{
    int port = 0;
    int messageMode = 0;
};

struct DeviceChoice
{
    QString label;
    int port = 0;
    bool operator==(const DeviceChoice&) const = default;
};

// The entry that stands for every device at once in the device lists.
inline QString AllDeviceText()
{
    return QStringLiteral("All Device");
}

// Where the send side looks a device's settings up: by its port, never by a list position,
// because the lists are rebuilt and shrink while a run runs.
struct DeviceSendSettings
{
    int messageMode = 0;     // 1 PDU, 2 text, 0 unknown
    bool customSmsc = false; // the device sends through its own SMSC setting
    QString smscNumber;      // that number; empty otherwise
};

// What the program keeps about the modems the user found and chose: the device stores, the
// two device lists of the main window and the records handed from the device selection to the
// quota dialog and the send side. One instance lives as long as the program; each store keeps
// its text format. Every access takes the lock, so the send workers may read while
// the main window changes the lists.
class DeviceState
{
public:
    // DeviceDetailsList: what the scan read from each device ("COM7||..." entries), with
    // FindDeviceDetails and GetDetailValue; the submissions read default SMSCs from it.
    DeviceDetailsStore& details() { return m_details; }
    const DeviceDetailsStore& details() const { return m_details; }

    // CustomSmscList: port text + "||" + number + "||" + flag, only a port's first entry counts.
    QStringList customSmscList() const;
    void setCustomSmscList(QStringList entries);
    // True and the number when the port's first entry has a number and does not end in "||N".
    std::optional<QString> FindCustomSmsc(const QString& portText) const;
    void RemoveCustomSmsc(const QString& portText);
    // Replaces the port's entry by one appended at the end.
    void saveCustomSmsc(const QString& portText, const QString& number, const QString& flag);

    // DeviceModeList: the mode codes by position in the device choice list.
    QList<int> deviceModeList() const;
    void setDeviceModeList(QList<int> modes);

    // The device choice list (visible) with its selected entry, and the device list (hidden)
    // the device check rebuilds and the run reads.
    QList<DeviceChoice> choiceList() const;
    int choiceSelection() const;
    QString chosenLabel() const;
    void setChoiceList(QList<DeviceChoice> entries, int selected);
    QStringList deviceList() const;
    int deviceListSelection() const;
    QString selectedDevice() const;
    void setDeviceList(QStringList labels, int selected);
    // Deletes the first device-list entry that contains the prefix; the deleted label, if any.
    std::optional<QString> removeFromDeviceList(const QString& prefix);
    // The devices of the device list, without "All Device".
    QStringList devicesInList() const;

    QString DeviceRecordText() const;
    void setDeviceRecordText(QString text);
    int DeviceCount() const;
    void setDeviceCount(int count);
    QString ConnectedDeviceText() const;
    void setConnectedDeviceText(QString text);
    DeviceChoice LastConfirmedDevice() const;
    void setLastConfirmedDevice(DeviceChoice device);
    int QuotaTotalMessages() const;
    void setQuotaTotalMessages(int total);

    // The settings the send side uses for a port: the mode of its choice-list entry, the
    // custom SMSC when the port uses one.
    DeviceSendSettings sendSettingsOf(int port) const;
    // Every port of the choice list once, without "All Device", with its message mode.
    std::vector<ConfirmedPort> confirmedPorts() const;
    // The port's quota record; none when DeviceRecordText has no line for it.
    std::optional<DeviceRecord> recordOf(int port) const;

private:
    template <class T> T locked(const T& field) const
    {
        std::lock_guard lock(m_mutex);
        return field;
    }
    template <class T> void setLocked(T& field, T value)
    {
        std::lock_guard lock(m_mutex);
        field = std::move(value);
    }
    std::optional<QString> findCustomSmscLocked(const QString& portText) const;

    DeviceDetailsStore m_details; // has its own lock
    mutable std::mutex m_mutex;
    QStringList m_customSmsc;
    QList<int> m_modes;
    QList<DeviceChoice> m_choices;
    int m_choiceSelection = -1;
    QStringList m_deviceList;
    int m_deviceSelection = -1;
    QString m_recordText;
    int m_deviceCount = 0;
    QString m_connectedText;
    DeviceChoice m_lastConfirmed;
    int m_quotaTotal = 0;
};
