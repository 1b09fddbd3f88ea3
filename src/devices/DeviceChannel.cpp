#include "devices/DeviceChannel.h"

#include "modem/CSMSSerialPort.h"

void DeviceChannel::closeAll() const
{
    channel.Close();
    if (closeAllChannels)
        closeAllChannels();
}
