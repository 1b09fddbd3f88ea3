#include "devices/DeviceSelection.h"

#include "base/Prompter.h"
#include "devices/DeviceChannel.h"
#include "devices/DeviceRecords.h"
#include "devices/DeviceSettings.h"
#include "devices/DeviceState.h"
#include "devices/DeviceTexts.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/Interrogation.h"
#include "modem/ModemCommands.h"

namespace {

constexpr std::uint32_t DeviceOpenTimeoutMs = 5000;

enum class RowVerdict
{
    Take,
    Skip,
    Stop
};

struct ConfirmRun
{
    DeviceTable& table;
    DeviceState& state;
    const DeviceChannel& channel;
    Prompter& prompter;
    QList<DeviceChoice> choices;
    QList<int> modes;

    // Asks about a refused row: OK skips it, Cancel ends the confirmation.
    RowVerdict refuse(const ScanDeviceRow& row, const QString& text)
    {
        const QString prefix =
            row.comPort + QStringLiteral(" - ") + row.comPortDetails + QStringLiteral("\r\n\r\n");
        return prompter.confirmOkCancel(DeviceText::message(), prefix + text,
                                        Prompter::Icon::Information)
                   ? RowVerdict::Skip
                   : RowVerdict::Stop;
    }

    RowVerdict probe(const ScanDeviceRow& row, int port);
    RowVerdict check(const ScanDeviceRow& row);

    void publish()
    {
        state.setChoiceList(choices, choices.isEmpty() ? -1 : int(choices.size()) - 1);
        state.setDeviceModeList(modes);
    }
};

RowVerdict ConfirmRun::probe(const ScanDeviceRow& row, int port)
{
    const QString refusal = DeviceText::notWorking() + DeviceText::continueWithout();
    channel.channel.Open(port, DeviceOpenTimeoutMs);
    if (!ProbeModem(channel.channel)) {
        channel.channel.Close();
        return refuse(row, refusal);
    }
    ResetModemStream(channel.channel);
    const QString defaultSmsc =
        state.details().GetDetailValue(row.comPort, QStringLiteral("Default SMSC No. :"));
    if ((defaultSmsc.isEmpty() || row.defaultSmscNo.isEmpty()) &&
        !table.FindCustomSmsc(row.comPort)) {
        channel.channel.Close();
        return refuse(row, DeviceText::noDefaultSmsc() + DeviceText::continueWithout());
    }
    if (ModeCodeOfText(row.smsMode) == 0) {
        channel.channel.Close();
        return refuse(row, DeviceText::modeBlank() + DeviceText::continueWithout());
    }
    return RowVerdict::Take;
}

RowVerdict ConfirmRun::check(const ScanDeviceRow& row)
{
    if (row.comPort.isEmpty())
        return refuse(row, DeviceText::noDeviceSelected());
    const int port = PortNumberOfText(row.comPort);
    if (port <= 0)
        return refuse(row, DeviceText::notWorking() + DeviceText::continueWithout());
    try {
        return probe(row, port);
    } catch (const CSMSException& error) {
        channel.channel.Close();
        return refuse(row, DeviceText::channelErrorMessage(error.GetErrorMessage()) +
                               DeviceText::continueWithout());
    }
}

bool hasValidTickedRow(const DeviceTable& table)
{
    for (const ScanDeviceRow& row : table.rows) {
        if (row.checked && !row.comPort.isEmpty() && PortNumberOfText(row.comPort) > 0)
            return true;
    }
    return false;
}

void writeRecords(DeviceTable& table, DeviceState& state, const QList<DeviceChoice>& choices)
{
    QString connected;
    QString records;
    QStringList labels;
    for (const DeviceChoice& choice : choices) {
        labels.append(choice.label);
        for (const ScanDeviceRow& row : table.rows) {
            if (!choice.label.startsWith(row.comPort + QStringLiteral(" - ")))
                continue;
            connected += ConnectedDeviceBlock({row.comPort, row.comPortDetails, row.defaultSmscNo,
                                               row.smscNo, row.smsMode, row.supportedModes,
                                               row.useCustomSmsc});
            table.saveCustomSmsc(row.comPort, row.smscNo, row.useCustomSmsc);
            records += DeviceRecordLine({row.comPort, row.comPortDetails, QStringLiteral("Auto"),
                                         QStringLiteral("Auto"), QStringLiteral("Y")});
            break;
        }
    }
    state.setConnectedDeviceText(connected);
    state.setDeviceRecordText(records);
    state.setDeviceCount(int(choices.size()));
    if (labels.size() > 1)
        labels.append(AllDeviceText());
    state.setDeviceList(labels, int(labels.size()) - 1);
    state.setCustomSmscList(table.customSmsc);
}

} // namespace

void PrepareDeviceSelection(DeviceState& state, const DeviceChannel& channel)
{
    state.setConnectedDeviceText(QString());
    state.setDeviceRecordText(QString());
    state.setDeviceList({}, -1);
    state.setDeviceCount(0);
    channel.closeAll();
}

DeviceTable TableFromScan(const ScanResults& results)
{
    DeviceTable table;
    table.rows = results.rows();
    table.customSmsc = results.CustomSmscList();
    for (const int mode : results.DeviceModeList())
        table.modes.append(mode);
    return table;
}

bool ConfirmDeviceSelection(DeviceTable& table, DeviceSettings& settings, DeviceState& state,
                            const DeviceChannel& channel, Prompter& prompter)
{
    if (!hasValidTickedRow(table)) {
        prompter.inform(DeviceText::message(), DeviceText::selectValidDevice());
        return false;
    }
    if (settings.customBox && !IsAcceptableSmsc(settings.customNumber)) {
        prompter.inform(DeviceText::message(), DeviceText::invalidSmsc());
        settings.focus = SettingsFocus::CustomNumber;
        return false;
    }
    ConfirmRun run{table, state, channel, prompter, {}, {}};
    run.publish();
    for (const ScanDeviceRow& row : table.rows) {
        if (!row.checked)
            continue;
        const RowVerdict verdict = run.check(row);
        if (verdict == RowVerdict::Stop) {
            run.publish();
            return false;
        }
        if (verdict == RowVerdict::Skip)
            continue;
        const int port = PortNumberOfText(row.comPort);
        state.setLastConfirmedDevice({row.comPortDetails, port});
        run.choices.append({row.comPort + QStringLiteral(" - ") + row.comPortDetails, port});
        run.modes.append(ModeCodeOfText(row.smsMode));
        channel.channel.Close();
        if (run.choices.size() > MaxConfirmedDevices) {
            // The refused device is not handed on: the lists never hold more than the slots.
            run.choices.removeLast();
            run.modes.removeLast();
            run.publish();
            prompter.inform(DeviceText::message(), DeviceText::tooManyDevices());
            return false;
        }
    }
    if (run.choices.isEmpty()) {
        run.publish();
        return false;
    }
    QList<DeviceChoice> devices = run.choices;
    if (run.choices.size() > 1) {
        run.choices.append({AllDeviceText(), 0});
        run.modes.append(0);
    }
    run.publish();
    writeRecords(table, state, devices);
    return true;
}

void ContinueWithoutDevice(DeviceState& state)
{
    state.setDeviceModeList({});
    state.setCustomSmscList({});
    state.setChoiceList({}, -1);
    state.setLastConfirmedDevice({});
}
