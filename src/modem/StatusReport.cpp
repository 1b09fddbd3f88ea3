#include "modem/StatusReport.h"

#include "modem/PduFields.h"

#include <utility>

namespace {

constexpr int MessageTypeMask = 0x03;
constexpr int StatusReportType = 0x02;

std::optional<StatusReport> fail(QString* why, const char* reason)
{
    if (why)
        *why = QString::fromLatin1(reason);
    return std::nullopt;
}

} // namespace

ReportOutcome outcomeOfStatus(int status)
{
    if (status < 0x20)
        return ReportOutcome::Delivered;
    if (status < 0x40)
        return ReportOutcome::StillTrying;
    if (status >= 0x60 && status < 0x80)
        return ReportOutcome::TemporaryError;
    return ReportOutcome::PermanentError;
}

QString statusReason(int status)
{
    static const std::pair<int, const char*> reasons[] = {
        {0x00, "received by the recipient"},
        {0x01, "forwarded, delivery not confirmed"},
        {0x02, "replaced by the service centre"},
        {0x20, "congestion"},
        {0x21, "recipient busy"},
        {0x22, "no response from the recipient"},
        {0x23, "service rejected"},
        {0x24, "quality of service not available"},
        {0x25, "error in the recipient's phone"},
        {0x40, "remote procedure error"},
        {0x41, "incompatible destination"},
        {0x42, "connection rejected by the recipient"},
        {0x43, "not obtainable"},
        {0x44, "quality of service not available"},
        {0x45, "no interworking available"},
        {0x46, "validity period expired"},
        {0x47, "deleted by the sender"},
        {0x48, "deleted by the service centre"},
        {0x49, "message does not exist"},
        {0x60, "congestion"},
        {0x61, "recipient busy"},
        {0x62, "no response from the recipient"},
        {0x63, "service rejected"},
        {0x64, "quality of service not available"},
        {0x65, "error in the recipient's phone"},
    };
    for (const auto& [value, reason] : reasons) {
        if (value == status)
            return QString::fromLatin1(reason);
    }
    switch (outcomeOfStatus(status)) {
    case ReportOutcome::Delivered:
        return QStringLiteral("delivered");
    case ReportOutcome::StillTrying:
        return QStringLiteral("still trying");
    case ReportOutcome::TemporaryError:
        return QStringLiteral("temporary error, no more tries");
    case ReportOutcome::PermanentError:
        break;
    }
    return QStringLiteral("permanent error");
}

std::optional<StatusReport> decodeStatusReportPdu(QStringView hex, bool withSmsc, QString* why)
{
    OctetReader in(hex.trimmed());
    if (withSmsc) {
        const std::optional<int> smscLength = in.next();
        if (!smscLength || !in.skip(*smscLength))
            return fail(why, "the service centre field is cut short");
    }
    const std::optional<int> firstOctet = in.next();
    if (!firstOctet)
        return fail(why, "no first octet");
    if ((*firstOctet & MessageTypeMask) != StatusReportType)
        return fail(why, "not a status report");
    StatusReport report;
    const std::optional<int> reference = in.next();
    if (!reference)
        return fail(why, "no message reference");
    report.messageReference = *reference;
    std::optional<PduAddressField> recipient = readPduAddress(in);
    if (!recipient)
        return fail(why, "the recipient address is cut short or too long");
    report.recipient = std::move(recipient->text);
    const std::optional<QDateTime> taken = readPduTimestamp(in);
    const std::optional<QDateTime> discharged = taken ? readPduTimestamp(in) : std::nullopt;
    if (!discharged)
        return fail(why, "a time stamp is cut short");
    report.serviceCentreTime = *taken;
    report.dischargeTime = *discharged;
    const std::optional<int> status = in.next();
    if (!status)
        return fail(why, "no status");
    report.status = *status;
    report.outcome = outcomeOfStatus(*status);
    return report;
}
