#include "devices/DeviceChannelWork.h"

#include "base/Clock.h"
#include "base/StatusTexts.h"
#include "devices/DeviceChannel.h"
#include "devices/DeviceTexts.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/MessageSenders.h"
#include "modem/ModemCommands.h"

namespace {

constexpr std::uint32_t DeviceOpenTimeoutMs = 5000;
constexpr std::uint32_t AfterSubmissionMs = 2000;

} // namespace

std::optional<QString> CheckDeviceReachable(const DeviceChannel& channel, int port)
{
    std::optional<QString> error;
    channel.closeAll();
    try {
        channel.channel.Open(port, DeviceOpenTimeoutMs);
    } catch (const CSMSException& failure) {
        error = failure.GetErrorMessage();
    }
    channel.closeAll();
    return error;
}

void SubmitThroughChannel(const DeviceChannel& channel, const SubmissionContext& context,
                          const SendRequest& request, bool pduMode)
{
    ResetModemStream(channel.channel);
    const SubmissionOutcome outcome = pduMode
                                          ? SendPduStreamMode(channel.channel, request, context)
                                          : SendTextStreamMode(channel.channel, request, context);
    (void)outcome; // nothing asks a test message to stop between its parts
    channel.clock.sleepMs(AfterSubmissionMs);
}

QString RunTestMessage(const DeviceChannel& channel, const SubmissionContext& context,
                       const TestMessagePlan& plan)
{
    try {
        channel.closeAll();
        channel.channel.Open(plan.port, DeviceOpenTimeoutMs);
        SubmitThroughChannel(channel, context, plan.request, plan.pduMode);
        channel.closeAll();
        return StatusTexts::messageSent();
    } catch (const CSMSException& error) {
        channel.closeAll();
        const std::optional<QString> status = SubmissionErrorStatus(error);
        return status ? DeviceText::notWorkingWithError(*status) : StatusTexts::messageSent();
    }
}

std::optional<QString> SubmissionErrorStatus(const CSMSException& error)
{
    const QString text = error.GetErrorMessage();
    if (text == DeviceText::operationCompleted())
        return std::nullopt;
    if (text.contains(u"+CMS ERROR") || text.contains(u"+CME ERROR"))
        return text;
    return QStringLiteral("+CMS ERROR: 500");
}

namespace {

// Opens the device's port alone for one piece of SIM work; nothing when it cannot be opened or
// breaks meanwhile.
template <class Work>
auto withDevice(const DeviceChannel& channel, int port, Work&& work)
    -> std::optional<decltype(work())>
{
    std::optional<decltype(work())> result;
    channel.closeAll();
    try {
        channel.channel.Open(port, DeviceOpenTimeoutMs);
        result = work();
    } catch (const CSMSException&) {
    }
    channel.closeAll();
    return result;
}

} // namespace

std::optional<PinStatus> ReadSimPinStatus(const DeviceChannel& channel, int port)
{
    return withDevice(channel, port, [&] { return SimPinEntry::readPinStatus(channel.channel); });
}

std::optional<std::pair<PinEntry, PinStatus>> EnterSimPin(const DeviceChannel& channel, int port,
                                                          const QString& pin)
{
    return withDevice(channel, port, [&] {
        const PinEntry entry = EnterPin(channel.channel, pin);
        return std::pair{entry, SimPinEntry::readPinStatus(channel.channel)};
    });
}
