#include "modem/ReportRouting.h"

#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "modem/TextModeFields.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

constexpr std::size_t CnmiParameters = 5;
constexpr int DsRouted = 1;
constexpr int DsStored = 2;

// "(0-3)", "(0,2)" or "2" as the values it allows.
std::vector<int> valuesOf(const QString& group)
{
    std::vector<int> values;
    QString inner = group.trimmed();
    inner.remove(u'(').remove(u')');
    for (const QString& item : inner.split(u',', Qt::SkipEmptyParts)) {
        const QStringList bounds = item.split(u'-');
        bool lowOk = false;
        bool highOk = false;
        const int low = bounds.front().trimmed().toInt(&lowOk);
        const int high = bounds.back().trimmed().toInt(&highOk);
        if (!lowOk || !highOk || bounds.size() > 2 || high < low || high - low > 255)
            continue;
        for (int value = low; value <= high; ++value)
            values.push_back(value);
    }
    return values;
}

bool allows(const CnmiRanges& ranges, std::size_t parameter, int value)
{
    if (parameter >= ranges.size())
        return false;
    const std::vector<int>& values = ranges[parameter];
    return std::find(values.begin(), values.end(), value) != values.end();
}

int preferred(const CnmiRanges& ranges, std::size_t parameter, std::initializer_list<int> choices)
{
    for (const int choice : choices) {
        if (allows(ranges, parameter, choice))
            return choice;
    }
    return 0;
}

// The text after the first n fields (commas outside quotes) of a line.
QStringView afterFields(QStringView line, int n)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u',' && !quoted && --n == 0)
            return line.mid(i + 1);
    }
    return {};
}

QStringList answerLines(const QString& answer)
{
    QStringList lines;
    for (const QString& line : answer.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    return lines;
}

std::optional<StatusReport> reportAt(const QStringList& lines, qsizetype i, int headerFields,
                                     bool pduMode)
{
    if (pduMode)
        return i + 1 < lines.size() ? decodeStatusReportPdu(lines[i + 1]) : std::nullopt;
    return parseTextStatusReportFields(afterFields(lines[i], headerFields));
}

} // namespace

std::optional<CnmiRanges> parseCnmiRanges(const QString& answer)
{
    static const QRegularExpression group(QStringLiteral(R"(\([^)]*\)|[^,()\s]+)"));
    for (const QString& line : answerLines(answer)) {
        if (!line.startsWith(QLatin1String("+CNMI:")))
            continue;
        CnmiRanges ranges;
        QRegularExpressionMatchIterator it = group.globalMatch(line.mid(6));
        while (it.hasNext())
            ranges.push_back(valuesOf(it.next().captured()));
        return ranges;
    }
    return std::nullopt;
}

ReportRoute chooseReportRoute(const CnmiRanges& ranges)
{
    if (allows(ranges, 3, DsRouted))
        return ReportRoute::Routed;
    if (allows(ranges, 3, DsStored))
        return ReportRoute::Stored;
    return ReportRoute::None;
}

QByteArray cnmiCommand(const CnmiRanges& ranges, ReportRoute route)
{
    if (route == ReportRoute::None)
        return {};
    // Mode 2 holds indications while a command runs and flushes them after; mode 1 drops them.
    const int mode = preferred(ranges, 0, {2, 1});
    const int mt = preferred(ranges, 1, {1, 0});
    const int ds = route == ReportRoute::Routed ? DsRouted : DsStored;
    QByteArray command = "AT+CNMI=" + QByteArray::number(mode) + "," + QByteArray::number(mt) +
                         ",0," + QByteArray::number(ds);
    if (ranges.size() >= CnmiParameters)
        command += "," + QByteArray::number(preferred(ranges, 4, {0, 1}));
    return command + "\r";
}

bool cpmsOffersStatusReports(const QString& answer)
{
    for (const QString& line : answerLines(answer)) {
        if (!line.startsWith(QLatin1String("+CPMS:")))
            continue;
        const qsizetype close = line.indexOf(u')');
        return line.left(close < 0 ? line.size() : close).contains(QLatin1String("\"SR\""));
    }
    return false;
}

std::optional<StoredReportIndex> parseCdsiLine(QStringView line)
{
    const auto stored = parseStorageIndication(line, QLatin1StringView("+CDSI"));
    return stored ? std::optional<StoredReportIndex>({stored->first, stored->second})
                  : std::nullopt;
}

std::optional<StatusReport> parseCdsIndication(const QByteArray& indication)
{
    const QString text = QString::fromLatin1(indication).trimmed();
    if (!text.startsWith(QLatin1String("+CDS:")))
        return std::nullopt;
    const qsizetype lineEnd = text.indexOf(u'\n');
    if (lineEnd < 0)
        return parseTextStatusReport(text);
    return decodeStatusReportPdu(QStringView(text).mid(lineEnd + 1).trimmed());
}

std::vector<StoredReport> parseStoredReportList(const QString& answer, bool pduMode)
{
    std::vector<StoredReport> reports;
    const QStringList lines = answerLines(answer);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1String("+CMGL:")))
            continue;
        bool ok = false;
        const int index = lines[i].mid(6).section(u',', 0, 0).trimmed().toInt(&ok);
        if (!ok)
            continue;
        if (std::optional<StatusReport> report = reportAt(lines, i, 2, pduMode))
            reports.push_back({index, std::move(*report)});
    }
    return reports;
}

std::optional<StatusReport> parseStoredReport(const QString& answer, bool pduMode)
{
    const QStringList lines = answerLines(answer);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1String("+CMGR:")))
            return reportAt(lines, i, 1, pduMode);
    }
    return std::nullopt;
}

ReportRoute setUpDeliveryReports(ModemChannel& port)
{
    if (!sendCommand(port, "AT+CNMI=?\r"))
        return ReportRoute::None;
    const std::optional<CnmiRanges> ranges = parseCnmiRanges(port.response());
    if (!ranges)
        return ReportRoute::None;
    ReportRoute route = chooseReportRoute(*ranges);
    if (route == ReportRoute::None || !sendCommand(port, cnmiCommand(*ranges, route).toStdString()))
        return ReportRoute::None;
    if (route == ReportRoute::Stored && sendCommand(port, "AT+CPMS=?\r") &&
        cpmsOffersStatusReports(port.response()))
        sendCommand(port, "AT+CPMS=\"SR\"\r");
    return route;
}

std::vector<StoredReport> readStoredReports(ModemChannel& port, bool pduMode)
{
    if (!sendCommand(port, "AT+CPMS=\"SR\"\r"))
        return {};
    if (!sendCommand(port, pduMode ? "AT+CMGL=4\r" : "AT+CMGL=\"ALL\"\r"))
        return {};
    return parseStoredReportList(port.response(), pduMode);
}
