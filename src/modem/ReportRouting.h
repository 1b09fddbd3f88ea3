#pragma once

#include "modem/StatusReport.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class ModemChannel;

// Where a modem puts the status reports it receives.
enum class ReportRoute
{
    None,   // the modem takes neither: reports are lost
    Routed, // printed at once as "+CDS:" (AT+CNMI <ds> 1)
    Stored, // kept in the "SR" store and announced as "+CDSI:" (AT+CNMI <ds> 2)
};

// The values an "AT+CNMI=?" answer allows for each of <mode>,<mt>,<bm>,<ds>,<bfr>, in order:
// "+CNMI: (0-3),(0-3),(0,2),(0-2),(0,1)". nullopt when the answer has no such line.
using CnmiRanges = std::vector<std::vector<int>>;
std::optional<CnmiRanges> parseCnmiRanges(const QString& answer);

// Routed reports when the modem allows them, else stored ones, else none.
ReportRoute chooseReportRoute(const CnmiRanges& ranges);

// The AT+CNMI command for a route: reports as chosen, new messages announced (+CMTI) where
// allowed, indications buffered while the link is busy where allowed. Empty for None.
QByteArray cnmiCommand(const CnmiRanges& ranges, ReportRoute route);

// Whether the first list of an "AT+CPMS=?" answer offers the "SR" store.
bool cpmsOffersStatusReports(const QString& answer);

// The store and index of a "+CDSI: "SR",3" line.
struct StoredReportIndex
{
    QString store;
    int index = 0;
};
std::optional<StoredReportIndex> parseCdsiLine(QStringView line);

// A routed report as the channel keeps an unsolicited line: the PDU form's "+CDS: <length>"
// and its PDU joined by "\n", or the text form's single line. nullopt for anything else.
std::optional<StatusReport> parseCdsIndication(const QByteArray& indication);

// One report read back from the modem's store.
struct StoredReport
{
    int index = -1; // -1 for an AT+CMGR answer, which names none
    StatusReport report;
};

// The reports of an AT+CMGL answer in the "SR" store, PDU mode ("+CMGL: <index>,<stat>,
// [<alpha>],<length>" then the PDU line) or text mode ("+CMGL: <index>,<stat>,<fo>,<mr>,...").
// Entries that are not status reports are skipped.
std::vector<StoredReport> parseStoredReportList(const QString& answer, bool pduMode);

// The report of an AT+CMGR answer, in either mode.
std::optional<StatusReport> parseStoredReport(const QString& answer, bool pduMode);

// Asks the modem with AT+CNMI=? and sets the route it allows, selecting the "SR" store with
// AT+CPMS where reports are stored. Returns the route set; None when the modem took none.
ReportRoute setUpDeliveryReports(ModemChannel& port);

// Every report in the "SR" store, with AT+CPMS="SR" then AT+CMGL (4 in PDU mode, "ALL" in
// text mode). Empty when the modem refused either.
std::vector<StoredReport> readStoredReports(ModemChannel& port, bool pduMode);
