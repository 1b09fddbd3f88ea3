#pragma once

#include "devices/DeviceSettings.h"
#include "devices/SimPinEntry.h"

#include <QString>
#include <optional>

class CSMSException;
struct DeviceChannel;
struct SubmissionContext;

// The channel work of the device dialogs, for their worker threads. None of it touches the
// dialogs or asks the user.

// Opens the scan channel on the port (the device must still be reachable) and closes it again.
// The error text when that failed.
std::optional<QString> CheckDeviceReachable(const DeviceChannel& channel, int port);

// Sends the test message and tells how it went, in the words shown to the user.
QString RunTestMessage(const DeviceChannel& channel, const SubmissionContext& context,
                       const TestMessagePlan& plan);

// A failed submission's status: none when the error is the system's "completed successfully"
// (the message went), the modem's "+CMS ERROR"/"+CME ERROR" text, else "+CMS ERROR: 500".
std::optional<QString> SubmissionErrorStatus(const CSMSException& error);

// Submits one request in PDU or text mode, the stream first reset.
void SubmitThroughChannel(const DeviceChannel& channel, const SubmissionContext& context,
                          const SendRequest& request, bool pduMode);

// The SIM state and PIN tries of the device on port; nothing when the port cannot be opened.
std::optional<PinStatus> ReadSimPinStatus(const DeviceChannel& channel, int port);

// Enters the PIN once (AT+CPIN="pin") and reads the state after it; nothing when the port
// cannot be opened.
std::optional<std::pair<PinEntry, PinStatus>> EnterSimPin(const DeviceChannel& channel, int port,
                                                          const QString& pin);
