#include "modem/StatusReport.h"

#include "modem/PduHex.h"

#include <QTimeZone>
#include <array>
#include <utility>

namespace {

constexpr int MessageTypeMask = 0x03;
constexpr int StatusReportType = 0x02;
constexpr int TimestampOctets = 7;
constexpr int MaxAddressDigits = 20;

// Reads octets front to back; every read past the end fails the whole decode.
class OctetReader
{
public:
    explicit OctetReader(QStringView hex) : m_hex(hex) {}

    std::optional<int> next()
    {
        if (m_pos + 2 > m_hex.size())
            return std::nullopt;
        const int value = hexOctetAt(m_hex, m_pos);
        if (value < 0)
            return std::nullopt;
        m_pos += 2;
        return value;
    }

    bool skip(int octets)
    {
        for (int i = 0; i < octets; ++i) {
            if (!next())
                return false;
        }
        return true;
    }

private:
    QStringView m_hex;
    qsizetype m_pos = 0;
};

QChar semiOctetChar(int nibble)
{
    static constexpr char16_t chars[] = u"0123456789*#abc";
    return nibble < 15 ? QChar(chars[nibble]) : QChar();
}

std::optional<QString> readAddress(OctetReader& in)
{
    const std::optional<int> digits = in.next();
    const std::optional<int> type = in.next();
    if (!digits || !type || *digits > MaxAddressDigits)
        return std::nullopt;
    QString address = (*type & 0x70) == 0x10 ? QStringLiteral("+") : QString();
    int taken = 0;
    for (int i = 0; i < (*digits + 1) / 2; ++i) {
        const std::optional<int> octet = in.next();
        if (!octet)
            return std::nullopt;
        for (const int nibble : {*octet & 0x0F, *octet >> 4}) {
            if (taken++ < *digits && nibble < 15) // 0xF only fills an odd count
                address += semiOctetChar(nibble);
        }
    }
    return address;
}

// Two decimal digits written units first; -1 when a nibble is not a digit.
int swappedDecimal(int octet)
{
    const int tens = octet & 0x0F;
    const int units = octet >> 4;
    return tens > 9 || units > 9 ? -1 : tens * 10 + units;
}

QDateTime timestampFrom(const std::array<int, TimestampOctets>& octets)
{
    std::array<int, 6> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = swappedDecimal(octets[i]);
        if (fields[i] < 0)
            return {};
    }
    // The zone counts quarter hours; bit 3 of its octet is the sign.
    const int zone = octets[6];
    const int quarters = (zone & 0x07) * 10 + (zone >> 4);
    if ((zone >> 4) > 9)
        return {};
    const int offsetSeconds = (zone & 0x08 ? -quarters : quarters) * 15 * 60;
    const QDate date(2000 + fields[0], fields[1], fields[2]);
    const QTime time(fields[3], fields[4], fields[5]);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, QTimeZone(offsetSeconds));
}

std::optional<QDateTime> readTimestamp(OctetReader& in)
{
    std::array<int, TimestampOctets> octets{};
    for (int& octet : octets) {
        const std::optional<int> value = in.next();
        if (!value)
            return std::nullopt;
        octet = *value;
    }
    return timestampFrom(octets);
}

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
    std::optional<QString> recipient = readAddress(in);
    if (!recipient)
        return fail(why, "the recipient address is cut short or too long");
    report.recipient = std::move(*recipient);
    const std::optional<QDateTime> taken = readTimestamp(in);
    const std::optional<QDateTime> discharged = taken ? readTimestamp(in) : std::nullopt;
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
