// The device texts kept between the device selection, the quota dialog and the send side, and
// the stored device details read by label.

#include "FuzzSupport.h"
#include "devices/DeviceState.h"

#include <QStringList>

namespace {

void checkConnectedDevices(const QString& text)
{
    for (const ConnectedDevice& device : ParseConnectedDeviceText(text)) {
        const QList<ConnectedDevice> again = ParseConnectedDeviceText(ConnectedDeviceBlock(device));
        require(again.size() == 1 && again.first() == device,
                "a device block reads back as the device");
    }
}

void checkDeviceRecords(const QString& text)
{
    for (const DeviceRecord& record : ParseDeviceRecordText(text)) {
        const QList<DeviceRecord> again = ParseDeviceRecordText(DeviceRecordLine(record));
        require(again.size() == 1 && again.first() == record, "a record line reads back");
        const std::optional<DeviceRecord> found = FindDeviceRecord(text, record.port);
        require(found && found->port == record.port, "a record is found by its port");
        record.quotaCount();
    }
}

void lookUpDetails(const QString& text, const QStringList& lines)
{
    DeviceState state;
    for (const QString& line : lines) {
        const qsizetype separator = line.indexOf(QLatin1String("||"));
        state.details().append(line.left(separator), line.mid(separator + 2));
        PortNumberOfText(line);
        PortNumberOfLabel(line);
    }
    state.setCustomSmscList(lines);
    state.setDeviceRecordText(text);
    state.setConnectedDeviceText(text);
    for (const QString& label : {QStringLiteral("Model :"), QString::fromLatin1(DefaultSmscLabel),
                                 QStringLiteral("COM Port :"), QString()}) {
        GetDetailValue(text, label);
        state.details().GetDetailValue(QStringLiteral("COM7"), label);
    }
    for (int port : {0, 1, 7, 512}) {
        const QString portText = portTextOf(port);
        state.details().FindDeviceDetails(portText);
        state.FindCustomSmsc(portText);
        state.sendSettingsOf(port);
        state.recordOf(port);
    }
    if (!lines.isEmpty()) {
        state.RemoveCustomSmsc(lines.first());
        state.removeFromDeviceList(lines.first());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkConnectedDevices(text);
    checkDeviceRecords(text);
    lookUpDetails(text, text.split(u'\n'));
    return 0;
}
