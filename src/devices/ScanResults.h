#pragma once

#include <QString>
#include <QStringList>
#include <mutex>
#include <vector>

class DeviceDetailsStore;

// One row of the scan device list: the check box and the nine text columns, in column order.
struct ScanDeviceRow
{
    bool checked = true;
    QString comPort;        // "Com Port"
    QString comPortDetails; // "Com Port Details"
    QString comPortStatus;  // "Com Port Status", always empty
    QString smscNo;         // "SMSC No.", the SMSC in effect
    QString imeiNo;         // "IMEI No."
    QString smsMode;        // "SMS Mode"
    QString defaultSmscNo;  // "Default SMSC No."
    QString supportedModes; // "SUP SMS Mode"
    QString useCustomSmsc;  // "USE CUS SMSC"

    // The nine columns in order.
    QStringList columns() const;

    friend bool operator==(const ScanDeviceRow&, const ScanDeviceRow&) = default;
};

// What a scan writes, in the order it writes it. The device dialog's state implements it; the
// scan never touches the stores another way.
class ScanSink
{
public:
    virtual ~ScanSink() = default;

    // Start of a scan: the details entries, the rows and the final port lists emptied.
    virtual void clearScanResults() = 0;
    virtual void setFinalPorts(const std::vector<int>& ports, const QStringList& names) = 0;
    // One entry portText + "||" + "||N" per port, in order, replacing the list.
    virtual void resetCustomSmscList(const QStringList& entries) = 0;
    // Whether a listed row already carries exactly this IMEI text.
    virtual bool hasImei(const QString& imei) const = 0;
    // A listed device: its details entry (without the port text), its row, its mode code.
    virtual void appendDevice(const QString& portText, const QString& details,
                              const ScanDeviceRow& row, int modeCode) = 0;
};

// The scan's results held in one place, safe to read from the UI thread while a scan writes.
class ScanResults : public ScanSink
{
public:
    explicit ScanResults(DeviceDetailsStore& details) : m_details(details) {}

    void clearScanResults() override;
    void setFinalPorts(const std::vector<int>& ports, const QStringList& names) override;
    void resetCustomSmscList(const QStringList& entries) override;
    bool hasImei(const QString& imei) const override;
    void appendDevice(const QString& portText, const QString& details, const ScanDeviceRow& row,
                      int modeCode) override;

    std::vector<ScanDeviceRow> rows() const;
    std::vector<int> FinalPortList() const;
    QStringList FinalPortNames() const;
    QStringList CustomSmscList() const;
    std::vector<int> DeviceModeList() const;
    DeviceDetailsStore& details() const { return m_details; }

private:
    DeviceDetailsStore& m_details;
    mutable std::mutex m_mutex;
    std::vector<ScanDeviceRow> m_rows;
    std::vector<int> m_finalPorts;
    QStringList m_finalNames;
    QStringList m_customSmsc;
    std::vector<int> m_modes;
};
