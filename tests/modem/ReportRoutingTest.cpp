#include "modem/ReportRouting.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const char* const DeliveredPdu = "0006D60B911326880736F4111011719551401110117195714000";

TEST(ReportRoutingTest, ChoosesRoutedThenStoredReportsFromTheCnmiRanges)
{
    const struct
    {
        const char* answer;
        ReportRoute route;
        const char* command;
    } cases[] = {
        {"\r\n+CNMI: (0-3),(0-3),(0,2),(0,1),(0,1)\r\n\r\nOK\r\n", ReportRoute::Routed,
         "AT+CNMI=2,1,0,1,0\r"},
        {"+CNMI: (0,1,2),(0,1,2,3),(0,2),(0,1,2),(0,1)\r\nOK", ReportRoute::Routed,
         "AT+CNMI=2,1,0,1,0\r"},
        {"+CNMI: (1),(0),(0),(0,2),(1)\r\nOK", ReportRoute::Stored, "AT+CNMI=1,0,0,2,1\r"},
        // Four parameters only: no <bfr> is sent.
        {"+CNMI: (0-2),(0-3),(0,2),(0-2)\r\nOK", ReportRoute::Routed, "AT+CNMI=2,1,0,1\r"},
        {"+CNMI: (0-3),(0-3),(0,2),(0),(0,1)\r\nOK", ReportRoute::None, ""},
        {"+CNMI: 0,1,0,2,0\r\nOK", ReportRoute::Stored, "AT+CNMI=0,1,0,2,0\r"},
    };
    for (const auto& c : cases) {
        const std::optional<CnmiRanges> ranges = parseCnmiRanges(QLatin1String(c.answer));
        ASSERT_TRUE(ranges.has_value()) << c.answer;
        EXPECT_EQ(chooseReportRoute(*ranges), c.route) << c.answer;
        EXPECT_EQ(cnmiCommand(*ranges, c.route), QByteArray(c.command)) << c.answer;
    }
    EXPECT_FALSE(parseCnmiRanges(QStringLiteral("\r\nOK\r\n")).has_value());
    EXPECT_EQ(chooseReportRoute(*parseCnmiRanges(QStringLiteral("+CNMI: (0-2-5),(x)"))),
              ReportRoute::None);
}

TEST(ReportRoutingTest, FindsTheSrStoreInTheFirstList)
{
    EXPECT_TRUE(cpmsOffersStatusReports(
        QStringLiteral("+CPMS: (\"SM\",\"ME\",\"SR\"),(\"SM\",\"ME\"),(\"SM\",\"ME\")\r\nOK")));
    EXPECT_FALSE(cpmsOffersStatusReports(
        QStringLiteral("+CPMS: (\"SM\",\"ME\"),(\"SM\",\"SR\"),(\"SM\")\r\nOK")));
    EXPECT_FALSE(cpmsOffersStatusReports(QStringLiteral("OK")));
}

TEST(ReportRoutingTest, ReadsTheCdsiLine)
{
    const std::optional<StoredReportIndex> index = parseCdsiLine(u"+CDSI: \"SR\",3");
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(index->store, "SR");
    EXPECT_EQ(index->index, 3);
    EXPECT_FALSE(parseCdsiLine(u"+CMTI: \"SM\",3").has_value());
    EXPECT_FALSE(parseCdsiLine(u"+CDSI: \"SR\"").has_value());
}

TEST(ReportRoutingTest, ReadsStoredReportListsInBothModes)
{
    const QString pdu = QStringLiteral("\r\n+CMGL: 1,0,,26\r\n%1\r\n"
                                       "+CMGL: 2,1,,26\r\nnot a pdu\r\n"
                                       "+CMGL: 4,0,,26\r\n%1\r\n\r\nOK\r\n")
                            .arg(QLatin1String(DeliveredPdu));
    const std::vector<StoredReport> fromPdu = parseStoredReportList(pdu, true);
    ASSERT_EQ(fromPdu.size(), 2u);
    EXPECT_EQ(fromPdu[0].index, 1);
    EXPECT_EQ(fromPdu[1].index, 4);
    EXPECT_EQ(fromPdu[1].report.messageReference, 214);

    const QString text = QStringLiteral(
        "+CMGL: 7,\"REC UNREAD\",6,33,\"+447700900123\",145,\"24/03/01,10:00:00+00\","
        "\"24/03/01,10:00:05+00\",0\r\n"
        "+CMGL: 8,\"REC READ\",6,34,,,\"24/03/01,10:00:00+00\",\"24/03/02,10:00:00+00\",70\r\n"
        "OK\r\n");
    const std::vector<StoredReport> fromText = parseStoredReportList(text, false);
    ASSERT_EQ(fromText.size(), 2u);
    EXPECT_EQ(fromText[0].index, 7);
    EXPECT_EQ(fromText[0].report.recipient, "+447700900123");
    EXPECT_EQ(fromText[0].report.outcome, ReportOutcome::Delivered);
    EXPECT_EQ(fromText[1].report.messageReference, 34);
    EXPECT_EQ(fromText[1].report.outcome, ReportOutcome::PermanentError);
    EXPECT_TRUE(parseStoredReportList(QStringLiteral("\r\nOK\r\n"), true).empty());
}

TEST(ReportRoutingTest, ReadsOneStoredReportInBothModes)
{
    const std::optional<StatusReport> fromPdu = parseStoredReport(
        QStringLiteral("+CMGR: 0,,26\r\n%1\r\nOK").arg(QLatin1String(DeliveredPdu)), true);
    ASSERT_TRUE(fromPdu.has_value());
    EXPECT_EQ(fromPdu->messageReference, 214);

    const std::optional<StatusReport> fromText = parseStoredReport(
        QStringLiteral("+CMGR: \"REC UNREAD\",6,9,\"+4477\",145,\"24/03/01,10:00:00+00\","
                       "\"24/03/01,10:00:05+00\",33\r\nOK"),
        false);
    ASSERT_TRUE(fromText.has_value());
    EXPECT_EQ(fromText->messageReference, 9);
    EXPECT_EQ(fromText->outcome, ReportOutcome::StillTrying);
    EXPECT_FALSE(parseStoredReport(QStringLiteral("+CMGR: 0,,26\r\nOK"), true).has_value());
}

} // namespace

namespace {

TEST(ReportRoutingTest, ReadsRoutedIndicationsInBothForms)
{
    const std::optional<StatusReport> fromPdu =
        parseCdsIndication(QByteArray("+CDS: 25\n") + DeliveredPdu);
    ASSERT_TRUE(fromPdu.has_value());
    EXPECT_EQ(fromPdu->messageReference, 214);
    const std::optional<StatusReport> fromText = parseCdsIndication(
        R"(+CDS: 6,3,"+4477",145,"24/03/01,10:00:00+00","24/03/01,10:00:05+00",65)");
    ASSERT_TRUE(fromText.has_value());
    EXPECT_EQ(fromText->messageReference, 3);
    EXPECT_FALSE(parseCdsIndication("+CDSI: \"SR\",1").has_value());
    EXPECT_FALSE(parseCdsIndication("+CDS: 25").has_value());
}

} // namespace
