#pragma once

#include "devices/DeviceTable.h"

class DeviceSettings;
class DeviceState;
class Prompter;
class ScanResults;
struct DeviceChannel;

// The most devices a confirmation takes: one per channel slot of a sending run.
inline constexpr int MaxConfirmedDevices = 32;

// Opening the device-selection dialog: the records of the last confirmation are emptied and
// every channel is closed before the scan starts.
void PrepareDeviceSelection(DeviceState& state, const DeviceChannel& channel);

// The dialog's working rows once a scan has ended.
DeviceTable TableFromScan(const ScanResults& results);

// The confirm button: probes every ticked row and hands the devices that pass to the main
// window's lists and records. True when the dialog closes with OK. A confirmation cut short
// keeps the devices taken so far in the choice list and mode list.
bool ConfirmDeviceSelection(DeviceTable& table, DeviceSettings& settings, DeviceState& state,
                            const DeviceChannel& channel, Prompter& prompter);

// The continue-without button: no device is handed on.
void ContinueWithoutDevice(DeviceState& state);
