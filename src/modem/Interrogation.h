#pragma once

#include <QString>
#include <functional>
#include <optional>

class DeviceInfoLookup;
class ModemChannel;

// Supported-mode codes of QuerySmsModes.
enum SmsModeSupport
{
    NoSmsMode = 0,
    PduModeOnly = 1,
    TextModeOnly = 2,
    PduAndTextMode = 3,
};

// A phone number's validity rule: true when the number is invalid.
using InvalidNumberTest = std::function<bool(const QString&)>;

// Whether a modem answers "AT": "OK", or an echo of "AT" with no result code (some modems
// answer nothing more until they have been set up).
bool ProbeModem(ModemChannel& port);

// The device information text: "Manufacturer :", "Model :", "Revision :", "Supported SMS Mode
// :", "Battery :", "Default SMSC No. :", "Operator Code :", "Signal Quality :", each followed
// by its value, lines joined by "\n". A value stays empty when its command got no "OK".
// Raises the no-response error when the modem does not answer "AT". Closes the port when it
// is done, either way. isInvalidNumber judges a decoded SMSC (null: the basic rule).
QString QueryDeviceInformation(ModemChannel& port, const InvalidNumberTest& isInvalidNumber = {});

// 0 when the modem did not answer AT+CMGF=?, else the modes its answer lists (1 PDU, 2 text,
// 3 both); 0 as well when it did not answer "AT" but its AT+CMGF=? lists neither digit.
int QuerySmsModes(ModemChannel& port);

// The IMEI, trimmed; empty when nothing came.
QString QueryImei(ModemChannel& port);

// The model: AT+GMM, or AT+CGMM when that gives nothing usable; the text after "MODEL=" when
// the answer has one.
QString QueryModel(ModemChannel& port);

// The modem's default SMSC (AT+CSCA?), decoded as the device information shows it; nothing
// when the modem did not answer. isInvalidNumber judges a decoded number (null: the basic rule).
std::optional<QString> QueryDefaultSmsc(ModemChannel& port,
                                        const InvalidNumberTest& isInvalidNumber = {});

// Whether the modem takes the SMS commands (AT+CSMS=? and AT+CMGS=? answered "OK").
bool CheckSmsCapability(ModemChannel& port);

// Whether the stored information of the port's device names a default SMSC.
bool HasDefaultSmsc(const QString& portText, const DeviceInfoLookup& deviceInfo);
