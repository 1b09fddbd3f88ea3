#include "devices/DeviceRecords.h"

#include <QStringList>

QString DeviceRecordLine(const DeviceRecord& record)
{
    return u';' + record.port + u';' + record.description + u';' + record.quotaType + u';' +
           record.quota + u';' + record.useFlag + QStringLiteral(";\n");
}

QList<DeviceRecord> ParseDeviceRecordText(const QString& text)
{
    QList<DeviceRecord> records;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(u';') || !trimmed.endsWith(u';'))
            continue;
        const QStringList fields = trimmed.mid(1, trimmed.size() - 2).split(u';');
        if (fields.size() < 5)
            continue;
        const qsizetype n = fields.size();
        records.append({fields.first(), fields.mid(1, n - 4).join(u';'), fields.at(n - 3),
                        fields.at(n - 2), fields.at(n - 1)});
    }
    return records;
}

std::optional<DeviceRecord> FindDeviceRecord(const QString& text, const QString& portText)
{
    for (const DeviceRecord& record : ParseDeviceRecordText(text))
        if (record.port == portText)
            return record;
    return std::nullopt;
}

QString ConnectedDeviceBlock(const ConnectedDevice& device)
{
    return QStringLiteral("\r\nConnected Device Details:\r\n--------------------------------"
                          "\r\n\r\nCom Port: ") +
           device.comPort + QStringLiteral("\r\n\r\nCom Port Details: ") + device.details +
           QStringLiteral("\r\n\r\nDefault SMSC No.: ") + device.defaultSmsc +
           QStringLiteral("\r\n\r\nCustom SMSC No.: ") + device.customSmsc +
           QStringLiteral("\r\n\r\nSMS Mode: ") + device.smsMode +
           QStringLiteral("\r\n\r\nSUP SMS Mode: ") + device.supSmsMode +
           QStringLiteral("\r\n\r\nUSE CUS SMSC: ") + device.useCusSmsc +
           QStringLiteral("\r\n\r\n\r\n");
}

QList<ConnectedDevice> ParseConnectedDeviceText(const QString& text)
{
    QList<ConnectedDevice> devices;
    ConnectedDevice current;
    for (const QString& rawLine : (text + u'\n').split(u'\n')) {
        const QString line = rawLine.trimmed();
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            continue;
        const QStringView label = QStringView(line).left(colon + 1);
        const QString value = line.mid(colon + 1).trimmed();
        if (label == u"Com Port:")
            current.comPort = value;
        else if (label == u"Com Port Details:")
            current.details = value;
        else if (label == u"Default SMSC No.:")
            current.defaultSmsc = value;
        else if (label == u"Custom SMSC No.:")
            current.customSmsc = value;
        else if (label == u"SMS Mode:")
            current.smsMode = value;
        else if (label == u"SUP SMS Mode:")
            current.supSmsMode = value;
        else if (label == u"USE CUS SMSC:") {
            current.useCusSmsc = value;
            devices.append(current);
            current = {};
        }
    }
    return devices;
}

int PortNumberOfText(const QString& portText)
{
    bool numeric = false;
    const int port = portText.mid(3).toInt(&numeric);
    return numeric ? port : 0;
}

int PortNumberOfLabel(const QString& label)
{
    const qsizetype separator = label.indexOf(u" - ");
    QString head = separator < 0 ? label : label.left(separator);
    head.remove(QStringLiteral("COM"));
    bool numeric = false;
    const int port = head.trimmed().toInt(&numeric);
    return numeric ? port : 0;
}

QString PortPrefix(int port)
{
    return QStringLiteral("COM%1 - ").arg(port);
}
