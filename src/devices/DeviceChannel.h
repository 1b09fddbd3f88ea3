#pragma once

#include <functional>

class CSMSSerialPort;
class Clock;

// The scan channel of the device dialogs and how to close every channel the application holds
// before a dialog uses it.
struct DeviceChannel
{
    CSMSSerialPort& channel;
    const Clock& clock;
    std::function<void()> closeAllChannels; // null: only the scan channel is closed

    void closeAll() const;
};
