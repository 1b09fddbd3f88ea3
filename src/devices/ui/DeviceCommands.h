#pragma once

#include "modem/Interrogation.h"

#include <functional>

class Clock;
class DeviceState;
class PortMap;
class Prompter;
class QWidget;

// What the device dialogs need from the main window. Everything must outlive the dialog.
struct DeviceDialogContext
{
    DeviceState& state;
    const Clock& clock;
    const PortMap& ports;
    Prompter& prompter;
    // Closes every channel of the sending side (the main window's channel table).
    std::function<void()> closeAllChannels;
    // The recipient list's number rule, for test-message numbers and decoded SMSCs.
    InvalidNumberTest isInvalidNumber;
};

// Opens the connection wizard modally: the last confirmation's records are emptied, a scan
// starts, and the user confirms devices or continues without. True when devices were
// confirmed; either way the device lists of the state may have changed.
bool OpenConnectionWizard(QWidget* parent, const DeviceDialogContext& context);

// Opens the review of the confirmed devices modally. True when the user saved with OK.
bool OpenDeviceReview(QWidget* parent, const DeviceDialogContext& context);
