#pragma once

#include <QString>
#include <vector>

class Clock;
class DeliveryTracker;
class InboxStore;
class PortMap;

// A modem to read reports from, and the message mode its device settings give (1 PDU, 2 text,
// 0 unknown: PDU when the modem takes it, else text).
struct ReportSource
{
    int port = 0;
    int messageMode = 0;
};

// What one modem gave.
struct ReportReading
{
    int port = 0;
    int reports = 0;  // taken into the tracker (and its store)
    int messages = 0; // handed over directly ("+CMT") meanwhile, new in the inbox store
    QString error;    // why the modem could not be read; empty when it was
};

// Opens each modem in turn, takes every report it holds (ReadHeldReports) into the tracker and
// closes it again. The modem's settings for reports are left as they are, so reports that
// come later keep going where the last run told them to go. Blocks for as long as the modems
// take: call it off the UI thread. With an inbox, the messages a modem hands over directly
// while it is read are stored there (and acknowledged), as a send run does: nothing else
// holds them.
std::vector<ReportReading> ReadReportsFromModems(const std::vector<ReportSource>& sources,
                                                 const PortMap& ports, const Clock& clock,
                                                 DeliveryTracker& tracker,
                                                 InboxStore* inbox = nullptr);
