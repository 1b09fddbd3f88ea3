#include "sending/DeliveryReading.h"

#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/InboxCommands.h"
#include "modem/ModemCommands.h"
#include "sending/DeliveryTracker.h"
#include "sending/DirectMessages.h"

#include <algorithm>

namespace {

constexpr std::uint32_t ReadingTimeoutMs = 5000;

// The mode to read in; the modem's own when the settings name none.
bool choosePduMode(ModemChannel& channel, int messageMode)
{
    if (messageMode == 2)
        return !SelectTextMode(channel);
    if (SelectPduMode(channel))
        return true;
    return !SelectTextMode(channel);
}

// The report reader leaves the messages handed over on the channel.
int storeDirectMessages(ModemChannel& channel, int port, InboxStore& inbox)
{
    const QList<QByteArray> lines = channel.takeUnsolicited();
    if (std::none_of(lines.begin(), lines.end(),
                     [](const QByteArray& line) { return line.startsWith("+CMT:"); }))
        return 0;
    return TakeDirectMessages(channel, lines, QStringLiteral("COM%1").arg(port), inbox,
                              directMessagesNeedAcknowledgement(channel))
        .stored;
}

ReportReading readOne(const ReportSource& source, const PortMap& ports, const Clock& clock,
                      DeliveryTracker& tracker, InboxStore* inbox)
{
    ReportReading reading;
    reading.port = source.port;
    CSMSSerialPort channel(ports, clock);
    try {
        channel.Open(source.port, ReadingTimeoutMs);
        // No AT&F: it would undo where the modem puts the reports still to come.
        (void)sendCommand(channel, "AT\r");
        (void)sendCommand(channel, "ATE0\r");
        const bool pduMode = choosePduMode(channel, source.messageMode);
        reading.reports = ReadHeldReports(channel, pduMode, QString::number(source.port), tracker);
        if (inbox)
            reading.messages = storeDirectMessages(channel, source.port, *inbox);
    } catch (const CSMSException& error) {
        reading.error = GetModemErrorText(error);
    }
    channel.Close();
    return reading;
}

} // namespace

std::vector<ReportReading> ReadReportsFromModems(const std::vector<ReportSource>& sources,
                                                 const PortMap& ports, const Clock& clock,
                                                 DeliveryTracker& tracker, InboxStore* inbox)
{
    std::vector<ReportReading> readings;
    readings.reserve(sources.size());
    for (const ReportSource& source : sources)
        readings.push_back(readOne(source, ports, clock, tracker, inbox));
    return readings;
}
