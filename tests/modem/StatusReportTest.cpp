#include "modem/StatusReport.h"

#include "support/QtPrinters.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

QDateTime at(const char* iso, int quarterHours)
{
    const QDateTime local = QDateTime::fromString(QLatin1String(iso), Qt::ISODate);
    return QDateTime(local.date(), local.time(), QTimeZone(quarterHours * 15 * 60));
}

struct ReportCase
{
    const char* input;
    int reference;
    const char* recipient;
    QDateTime taken;
    QDateTime discharged;
    int status;
    ReportOutcome outcome;
};

void expectReport(const std::optional<StatusReport>& report, const ReportCase& expected)
{
    ASSERT_TRUE(report.has_value()) << expected.input;
    EXPECT_EQ(report->messageReference, expected.reference) << expected.input;
    EXPECT_EQ(report->recipient, QLatin1String(expected.recipient)) << expected.input;
    EXPECT_EQ(report->serviceCentreTime, expected.taken) << expected.input;
    EXPECT_EQ(report->serviceCentreTime.offsetFromUtc(), expected.taken.offsetFromUtc());
    EXPECT_EQ(report->dischargeTime, expected.discharged) << expected.input;
    EXPECT_EQ(report->status, expected.status) << expected.input;
    EXPECT_EQ(report->outcome, expected.outcome) << expected.input;
}

TEST(StatusReportPduTest, DecodesPublishedAndBuiltVectors)
{
    const ReportCase cases[] = {
        // A widely published example: no SMSC, MMS set, odd digit count with its "F".
        {"0006D60B911326880736F4111011719551401110117195714000", 214, "+31628870634",
         at("2011-01-11T17:59:15", 4), at("2011-01-11T17:59:17", 4), 0x00,
         ReportOutcome::Delivered},
        // An SMSC field in front, a national number, an expired message.
        {"07911326040000F00645"
         "0A812143658709"
         "91900141150400"
         "91900241150400"
         "46",
         0x45, "1234567890", at("2019-09-10T14:51:40", 0), at("2019-09-20T14:51:40", 0), 0x46,
         ReportOutcome::PermanentError},
        // Lower-case hex, unreadable times, still trying.
        {"0006ff049121430000000000000a0000000000000a21", 255, "+1234", QDateTime(), QDateTime(),
         0x21, ReportOutcome::StillTrying},
        // Optional parameters after the status are read past; the SC gave up after errors.
        {"0006010491214321101010101000211010101010006203"
         "0000",
         1, "+1234", at("2012-01-01T01:01:01", 0), at("2012-01-01T01:01:01", 0), 0x62,
         ReportOutcome::TemporaryError},
    };
    for (const ReportCase& c : cases) {
        expectReport(decodeStatusReportPdu(QString::fromLatin1(c.input)), c);
    }
}

TEST(StatusReportPduTest, ReadsTheZoneSign)
{
    const std::optional<StatusReport> report =
        decodeStatusReportPdu(u"000601049121432110101010100A21101010101000"
                              "00");
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->serviceCentreTime.offsetFromUtc(), -5 * 3600);
    EXPECT_EQ(report->dischargeTime.offsetFromUtc(), 0);
}

TEST(StatusReportPduTest, WithoutTheSmscField)
{
    const std::optional<StatusReport> report =
        decodeStatusReportPdu(u"06D60B911326880736F4111011719551401110117195714000", false);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->messageReference, 214);
}

TEST(StatusReportPduTest, RefusesWhatIsNotAWholeStatusReport)
{
    const char* const inputs[] = {
        "",
        "00",
        "0004D60B911326880736F41110117195514011101171957140",   // an SMS-DELIVER's type
        "0006D60B911326880736F41110117195514011101171957140",   // the status cut off
        "0006D60B911326880736F4111011719551",                   // a time stamp cut short
        "0006D60B911326880736",                                 // the address cut short
        "0006D6159113268807",                                   // more than 20 digits
        "0006D60B911326880736F41110117195514011101171957140XY", // the status not hex
        "07911326040000",                                       // the SMSC field cut short
    };
    for (const char* input : inputs) {
        QString why;
        EXPECT_FALSE(decodeStatusReportPdu(QString::fromLatin1(input), true, &why).has_value())
            << input;
        EXPECT_FALSE(why.isEmpty()) << input;
    }
}

TEST(StatusReportTextTest, ReadsTheCdsLine)
{
    const ReportCase cases[] = {
        {R"(+CDS: 6,214,"+31628870634",145,"11/01/11,17:59:15+04","11/01/11,17:59:17+04",0)", 214,
         "+31628870634", at("2011-01-11T17:59:15", 4), at("2011-01-11T17:59:17", 4), 0,
         ReportOutcome::Delivered},
        // No address given; a negative zone; expired.
        {R"(+CDS: 6,5,,,"19/09/10,14:51:40-20","19/09/20,14:51:40-20",70)", 5, "",
         at("2019-09-10T14:51:40", -20), at("2019-09-20T14:51:40", -20), 70,
         ReportOutcome::PermanentError},
        // An international number without its "+"; unreadable times stay invalid.
        {R"(+CDS: 6,0,"447700900123",145,"garbage","",32)", 0, "+447700900123", QDateTime(),
         QDateTime(), 32, ReportOutcome::StillTrying},
    };
    for (const ReportCase& c : cases)
        expectReport(parseTextStatusReport(QString::fromLatin1(c.input)), c);
}

TEST(StatusReportTextTest, RefusesOtherLines)
{
    const char* const inputs[] = {
        R"(+CMTI: "SM",3)",
        R"(+CDS: 6,214,"+31628870634",145,"11/01/11,17:59:15+04",0)",
        R"(+CDS: 6,x,"+31628870634",145,"11/01/11,17:59:15+04","11/01/11,17:59:17+04",0)",
        R"(+CDS: 6,256,"+31628870634",145,"11/01/11,17:59:15+04","11/01/11,17:59:17+04",0)",
        "+CDS: 25", // the PDU form's length line
    };
    for (const char* input : inputs)
        EXPECT_FALSE(parseTextStatusReport(QString::fromLatin1(input)).has_value()) << input;
}

TEST(StatusReportOutcomeTest, EachRangeHasItsClassAndReason)
{
    const struct
    {
        int status;
        ReportOutcome outcome;
        const char* reason;
    } cases[] = {
        {0x00, ReportOutcome::Delivered, "received by the recipient"},
        {0x1F, ReportOutcome::Delivered, "delivered"},
        {0x20, ReportOutcome::StillTrying, "congestion"},
        {0x3F, ReportOutcome::StillTrying, "still trying"},
        {0x46, ReportOutcome::PermanentError, "validity period expired"},
        {0x5F, ReportOutcome::PermanentError, "permanent error"},
        {0x63, ReportOutcome::TemporaryError, "service rejected"},
        {0x7F, ReportOutcome::TemporaryError, "temporary error, no more tries"},
        {0x80, ReportOutcome::PermanentError, "permanent error"},
        {0xFF, ReportOutcome::PermanentError, "permanent error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcomeOfStatus(c.status), c.outcome) << c.status;
        EXPECT_EQ(statusReason(c.status), QLatin1String(c.reason)) << c.status;
    }
}

} // namespace
