#include "modem/StatusReport.h"
#include "modem/TextModeFields.h"

namespace {

constexpr int TextReportFields = 7;

std::optional<int> octetField(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok && value >= 0 && value <= 255 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

std::optional<StatusReport> parseTextStatusReportFields(QStringView text)
{
    const QList<QString> fields = splitTextModeFields(text);
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
    report.serviceCentreTime = parseTextModeTimestamp(fields[4]);
    report.dischargeTime = parseTextModeTimestamp(fields[5]);
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
