#pragma once

#include <QString>

// The stored information text of a port's device ("Manufacturer :...\nModel :...\n..."), as the
// last scan found it. The device stores implement it; submissions read the default SMSC from it.
class DeviceInfoLookup
{
public:
    virtual ~DeviceInfoLookup() = default;

    // Empty when the port is unknown. portText is "COM" + the port number.
    virtual QString deviceInformationOf(const QString& portText) const = 0;
};

// Label of the device information line that holds the modem's own SMSC.
inline constexpr const char* DefaultSmscLabel = "Default SMSC No. :";

// The value after label in a stored details text, up to the end of its line, trimmed. Fields
// joined by "||" count as separate lines. Empty when the label is missing or its line has no
// line break after it.
QString GetDetailValue(const QString& details, const QString& label);

// The port text of a port number: "COM7".
QString portTextOf(int portNumber);
