#include "sim/StatusReports.h"

#include <QRegularExpression>

namespace sim {

namespace {

constexpr int kStatusReportFirstOctet = 0x06; // SMS-STATUS-REPORT, no more messages waiting
constexpr int kDelivered = 0x00;
constexpr int kExpired = 0x46;
constexpr int kRejected = 0x41;

QByteArray hexOctet(int value)
{
    return QByteArray::number(value & 0xFF, 16).rightJustified(2, '0').toUpper();
}

QByteArray semiOctets(const QString& digits)
{
    QByteArray out;
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        const char low = digits[i].toLatin1();
        const char high = i + 1 < digits.size() ? digits[i + 1].toLatin1() : 'F';
        out += high;
        out += low;
    }
    return out;
}

QByteArray addressField(const QString& number)
{
    const bool international = number.startsWith(QLatin1Char('+'));
    const QString digits = international ? number.mid(1) : number;
    return hexOctet(int(digits.size())) + (international ? "91" : "81") + semiOctets(digits);
}

QByteArray timestamp(const QDateTime& time)
{
    const QDateTime utc = time.toUTC();
    return semiOctets(utc.toString(QStringLiteral("yyMMddHHmmss"))) + "00";
}

QByteArray textTimestamp(const QDateTime& time)
{
    return '"' + time.toUTC().toString(QStringLiteral("yy/MM/dd,HH:mm:ss")).toLatin1() + "+00\"";
}

int statusOfOutcome(const QString& outcome)
{
    if (outcome == QLatin1String("expired"))
        return kExpired;
    if (outcome == QLatin1String("rejected"))
        return kRejected;
    return kDelivered;
}

} // namespace

std::optional<int> reportStatusFor(const ModemProfile& profile, const QString& destination)
{
    for (const QString& rule : profile.reportOutcomes) {
        const QString pattern = rule.section(QLatin1Char(':'), 0, -2).trimmed();
        const QString outcome = rule.section(QLatin1Char(':'), -1).trimmed().toLower();
        const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern));
        if (!match.match(destination).hasMatch())
            continue;
        if (outcome == QLatin1String("none"))
            return std::nullopt;
        return statusOfOutcome(outcome);
    }
    return kDelivered;
}

bool pduAsksForReport(const QString& pdu)
{
    bool ok = false;
    const int smscLength = pdu.left(2).toInt(&ok, 16);
    if (!ok)
        return false;
    const int firstOctet = pdu.mid(2 + 2 * smscLength, 2).toInt(&ok, 16);
    return ok && firstOctetAsksForReport(firstOctet);
}

QByteArray statusReportPdu(const StatusReportEntry& report)
{
    return "00" + hexOctet(kStatusReportFirstOctet) + hexOctet(report.messageReference) +
           addressField(report.recipient) + timestamp(report.submitted) +
           timestamp(report.discharged) + hexOctet(report.status);
}

int statusReportTpduLength(const StatusReportEntry& report)
{
    return int(statusReportPdu(report).size() / 2) - 1;
}

QByteArray statusReportTextFields(const StatusReportEntry& report)
{
    const bool international = report.recipient.startsWith(QLatin1Char('+'));
    return QByteArray::number(kStatusReportFirstOctet) + "," +
           QByteArray::number(report.messageReference) + ",\"" + report.recipient.toLatin1() +
           "\"," + (international ? "145" : "129") + "," + textTimestamp(report.submitted) + "," +
           textTimestamp(report.discharged) + "," + QByteArray::number(report.status);
}

} // namespace sim
