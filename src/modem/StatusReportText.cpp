#include "modem/StatusReport.h"

#include <QList>
#include <QTimeZone>

namespace {

constexpr int TextReportFields = 7;

// Splits at commas outside double quotes; quotes are dropped.
QList<QString> splitFields(QStringView text)
{
    QList<QString> fields(1);
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            fields.append(QString());
        else
            fields.last() += c;
    }
    return fields;
}

std::optional<int> octetField(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok && value >= 0 && value <= 255 ? std::optional<int>(value) : std::nullopt;
}

// "yy/MM/dd,hh:mm:ss+zz", the zone in quarter hours; invalid when unreadable.
QDateTime textTimestamp(QStringView text)
{
    const QStringView stamp = text.trimmed();
    if (stamp.size() < 20)
        return {};
    const QDateTime local =
        QDateTime::fromString(stamp.left(17).toString(), QStringLiteral("yy/MM/dd,HH:mm:ss"));
    bool ok = false;
    const int quarters = stamp.mid(17).toInt(&ok);
    if (!local.isValid() || !ok || quarters < -96 || quarters > 96)
        return {};
    // Two-digit years are this century's, as in the PDU form; Qt reads them as the 1900s.
    return QDateTime(local.date().addYears(100), local.time(), QTimeZone(quarters * 15 * 60));
}

} // namespace

std::optional<StatusReport> parseTextStatusReportFields(QStringView text)
{
    const QList<QString> fields = splitFields(text);
    if (fields.size() != TextReportFields)
        return std::nullopt;
    const std::optional<int> firstOctet = octetField(fields[0]);
    const std::optional<int> reference = octetField(fields[1]);
    const std::optional<int> status = octetField(fields[6]);
    if (!firstOctet || !reference || !status)
        return std::nullopt;
    StatusReport report;
    report.messageReference = *reference;
    report.recipient = fields[2].trimmed();
    // Type 145 is an international number whose "+" some modems leave out.
    if (fields[3].trimmed() == QLatin1String("145") && !report.recipient.startsWith(u'+') &&
        !report.recipient.isEmpty())
        report.recipient.prepend(u'+');
    report.serviceCentreTime = textTimestamp(fields[4]);
    report.dischargeTime = textTimestamp(fields[5]);
    report.status = *status;
    report.outcome = outcomeOfStatus(*status);
    return report;
}

std::optional<StatusReport> parseTextStatusReport(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1String("+CDS:")))
        return std::nullopt;
    return parseTextStatusReportFields(trimmed.mid(5));
}
