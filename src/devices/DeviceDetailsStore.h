#pragma once

#include "modem/DeviceInfoLookup.h"

#include <QString>
#include <QStringList>
#include <mutex>

// The details of every device the last scan listed (DeviceDetailsList): one entry per device,
// in scan order, each the port text, "||", then labelled lines ("COM Port :COM7\n", "Com Port
// Details :...\n", then the device information text). The scan writes it while send workers
// may read it, so every access takes the lock.
class DeviceDetailsStore : public DeviceInfoLookup
{
public:
    // Appends portText + "||" + details.
    void append(const QString& portText, const QString& details);
    void clear();
    QStringList entries() const;

    // The part after the first "||" of the port's first entry; empty when it has none.
    QString FindDeviceDetails(const QString& portText) const;

    // The value after label in the port's details (see ::GetDetailValue).
    QString GetDetailValue(const QString& portText, const QString& label) const;

    QString deviceInformationOf(const QString& portText) const override
    {
        return FindDeviceDetails(portText);
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_entries;
};

// The entry of a scanned device: "COM Port :" + port text, "Com Port Details :" + description,
// then the device information text.
QString deviceDetailsText(const QString& portText, const QString& description,
                          const QString& deviceInformation);

// The label of the line a device's details get when its SIM or network stands in the way.
inline constexpr char SimStateLabel[] = "SIM State :";

// details with a last line SimStateLabel + trouble, unless trouble is empty (a device that is
// fine shows nothing new).
QString withSimState(const QString& details, const QString& trouble);
