// Reads any text as a status report, in PDU hex and in the text-mode "+CDS:" form: nothing may
// crash or read past the input, and what decodes must hold together.

#include "FuzzSupport.h"
#include "modem/StatusReport.h"

namespace {

void checkReport(const StatusReport& report)
{
    require(report.messageReference >= 0 && report.messageReference <= 255, "an octet's MR");
    require(report.status >= 0 && report.status <= 255, "an octet's status");
    require(report.outcome == outcomeOfStatus(report.status), "the outcome of the status");
    require(!statusReason(report.status).isEmpty(), "every status has a reason");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const std::optional<StatusReport> withSmsc = decodeStatusReportPdu(text, true);
    if (withSmsc)
        checkReport(*withSmsc);
    // An empty SMSC field in front changes nothing.
    const std::optional<StatusReport> plain = decodeStatusReportPdu(text, false);
    const std::optional<StatusReport> prefixed =
        decodeStatusReportPdu(QStringLiteral("00") + text.trimmed(), true);
    require(plain.has_value() == prefixed.has_value(), "an empty SMSC field is skipped");
    if (plain) {
        checkReport(*plain);
        require(plain->messageReference == prefixed->messageReference, "the same MR");
        require(plain->recipient == prefixed->recipient, "the same recipient");
        require(plain->serviceCentreTime == prefixed->serviceCentreTime, "the same time");
    }

    if (const std::optional<StatusReport> line = parseTextStatusReport(text))
        checkReport(*line);
    return 0;
}
