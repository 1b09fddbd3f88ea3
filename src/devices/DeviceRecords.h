#pragma once

#include <QList>
#include <QString>
#include <optional>

// The texts the device selection hands to the quota dialog, the send preparation and the
// sending run.

// One line of DeviceRecordText: ";" port ";" description ";" quota type ";" quota ";" use
// flag ";\n".
struct DeviceRecord
{
    QString port;        // "COM7"
    QString description; // the device's details text
    QString quotaType;   // "Auto", else manual
    QString quota;       // "Auto" or a decimal count
    QString useFlag;     // "Y" or "N"

    bool isAuto() const { return quotaType == u"Auto"; }
    bool inUse() const { return useFlag == u"Y"; }
    // The manual quota read as a decimal number (0 when it is not one).
    int quotaCount() const { return quota.trimmed().toInt(); }
    bool operator==(const DeviceRecord&) const = default;
};

QString DeviceRecordLine(const DeviceRecord& record);
// Every line of the text that has the record's fields; other lines are ignored. A description
// holding ";" is kept whole.
QList<DeviceRecord> ParseDeviceRecordText(const QString& text);
// The first record of the port ("COM7"), if any.
std::optional<DeviceRecord> FindDeviceRecord(const QString& text, const QString& portText);

// The fields of one device's block in ConnectedDeviceText.
struct ConnectedDevice
{
    QString comPort;     // "Com Port:"
    QString details;     // "Com Port Details:"
    QString defaultSmsc; // "Default SMSC No.:"
    QString customSmsc;  // "Custom SMSC No.:" (the SMSC in effect)
    QString smsMode;     // "SMS Mode:"
    QString supSmsMode;  // "SUP SMS Mode:"
    QString useCusSmsc;  // "USE CUS SMSC:"
    bool operator==(const ConnectedDevice&) const = default;
};

// The block a confirmation writes for a device.
QString ConnectedDeviceBlock(const ConnectedDevice& device);
// The devices of the text as its readers cut it: lines trimmed, label up to the first ':',
// unknown labels ignored, "USE CUS SMSC:" closing a device.
QList<ConnectedDevice> ParseConnectedDeviceText(const QString& text);

// The port number of a port text ("COM7" gives 7), 0 when it is not one.
int PortNumberOfText(const QString& portText);
// The port of a device label "COM7 - description": the part before the first " - " less
// "COM", as a number; 0 when it is not one.
int PortNumberOfLabel(const QString& label);
// "COM7 - " for port 7: the prefix every label of the port starts with.
QString PortPrefix(int port);
