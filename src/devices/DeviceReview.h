#pragma once

#include "devices/DeviceTable.h"

class DeviceState;
class Prompter;

// The rows of the confirmed devices as the review dialog lists them, read from
// ConnectedDeviceText, with the device state's custom-SMSC entries and mode codes.
DeviceTable ReviewTableFromState(const DeviceState& state);

// OK of the review dialog: every row needs an SMSC; then the confirmed devices' text, custom
// SMSC entries and mode codes are rewritten from the rows. False (after the message) when a row
// has none, and nothing changes.
bool CommitReview(const DeviceTable& table, DeviceState& state, Prompter& prompter);
