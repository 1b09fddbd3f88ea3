#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

class DeviceInfoLookup;
class ModemChannel;

// Writes one command (ending in "\r") and waits for "OK"; true when it came.
bool sendCommand(ModemChannel& port, std::string_view command);

// "AT", "AT&F", "AT+CMEE=1", each waiting for "OK": a modem in a known state with numeric
// error codes. True when all three were answered "OK" (each is sent either way).
bool ResetModemStream(ModemChannel& port);

// Sets the service centre with AT+CSCA (type 145 for a number starting with "+", else 129)
// after AT+CMEE=1. Nothing for an empty number. False when the modem did not take AT+CSCA.
bool SetSmscStream(ModemChannel& port, const QString& smsc);

// Sets the port's default SMSC again, as its stored device information gives it. True when
// there was nothing to restore or the modem took it.
bool RestorePortSmsc(ModemChannel& port, const DeviceInfoLookup* deviceInfo);

// The message format the modem reports for AT+CMGF?: "0", "1", "2" (both digits seen) or ""
// (no "OK", or neither digit).
QString QueryMessageMode(ModemChannel& port);
QString messageModeOfReply(const QString& response);

bool SelectTextMode(ModemChannel& port);
bool SelectPduMode(ModemChannel& port);

// The whole replies to AT+CSCS? and AT+CSCS=?.
QString QueryCharsetStream(ModemChannel& port);
QString QuerySupportedCharsetsStream(ModemChannel& port);

// The character set named in an AT+CSCS? reply, upper case; empty when it names none.
QString charsetOfReply(const QString& response);

// AT+CSCS="name"; true when the modem took it.
bool selectCharset(ModemChannel& port, const QString& name);
