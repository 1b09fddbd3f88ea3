#include "devices/DeviceReview.h"

#include "base/Prompter.h"
#include "devices/DeviceRecords.h"
#include "devices/DeviceState.h"
#include "devices/DeviceTexts.h"

DeviceTable ReviewTableFromState(const DeviceState& state)
{
    DeviceTable table;
    for (const ConnectedDevice& device : ParseConnectedDeviceText(state.ConnectedDeviceText())) {
        ScanDeviceRow row;
        row.comPort = device.comPort;
        row.comPortDetails = device.details;
        row.smscNo = device.customSmsc;
        row.smsMode = device.smsMode;
        row.supportedModes = device.supSmsMode;
        row.defaultSmscNo = device.defaultSmsc;
        row.useCustomSmsc = device.useCusSmsc;
        table.rows.push_back(row);
    }
    table.customSmsc = state.customSmscList();
    table.modes = state.deviceModeList();
    return table;
}

bool CommitReview(const DeviceTable& table, DeviceState& state, Prompter& prompter)
{
    for (const ScanDeviceRow& row : table.rows) {
        if (row.defaultSmscNo.isEmpty() && row.smscNo.isEmpty()) {
            prompter.inform(DeviceText::message(),
                            row.comPort + QStringLiteral(" - ") + row.comPortDetails +
                                QStringLiteral("\r\n\r\n") + DeviceText::noDefaultSmsc());
            return false;
        }
    }
    QString text;
    QList<int> modes = state.deviceModeList();
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const ScanDeviceRow& row = table.rows[i];
        text +=
            ConnectedDeviceBlock({row.comPort, row.comPortDetails, row.defaultSmscNo, row.smscNo,
                                  row.smsMode, row.supportedModes, row.useCustomSmsc});
        state.saveCustomSmsc(row.comPort, row.smscNo, row.useCustomSmsc);
        while (modes.size() <= qsizetype(i))
            modes.append(0);
        modes[qsizetype(i)] = ModeCodeOfText(row.smsMode);
    }
    state.setConnectedDeviceText(text);
    state.setDeviceModeList(modes);
    return true;
}
