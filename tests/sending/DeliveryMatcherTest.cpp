#include "sending/DeliveryMatcher.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

using State = RowDelivery::State;

const QDateTime Start(QDate(2026, 3, 1), QTime(10, 0), QTimeZone(0));
const QString Alice = QStringLiteral("+447700900123");
const QString Bob = QStringLiteral("+447700900456");

StatusReport reportFor(int reference, const QString& recipient, int status,
                       const QDateTime& taken = Start.addSecs(5))
{
    StatusReport report;
    report.messageReference = reference;
    report.recipient = recipient;
    report.serviceCentreTime = taken;
    report.dischargeTime = taken.addSecs(1);
    report.status = status;
    report.outcome = outcomeOfStatus(status);
    return report;
}

class DeliveryMatcherTest : public ::testing::Test
{
protected:
    void sent(const QString& port, int reference, const QString& recipient, std::int64_t row,
              int part = 1, int partCount = 1, const QDateTime& at = Start)
    {
        matcher.addSentPart({row, port, reference, recipient, at, part, partCount, 0, {}, {}});
    }

    bool report(const QString& port, int reference, const QString& recipient, int status,
                const QDateTime& taken = Start.addSecs(5))
    {
        return matcher.addReport(port, reportFor(reference, recipient, status, taken), taken);
    }

    State stateOf(std::int64_t row) const { return matcher.rowDelivery({0, row}).value().state; }

    DeliveryMatcher matcher;
};

TEST_F(DeliveryMatcherTest, AReportMarksOnlyThePartOfItsPortReferenceAndRecipient)
{
    sent("COM3", 7, Alice, 1);
    sent("COM4", 7, Alice, 2); // the same reference from another modem
    sent("COM3", 8, Bob, 3);
    EXPECT_TRUE(report("COM4", 7, Alice, 0x00));
    EXPECT_EQ(stateOf(1), State::Pending);
    EXPECT_EQ(stateOf(2), State::Delivered);
    EXPECT_EQ(stateOf(3), State::Pending);
    // The right reference, the wrong recipient: kept, not matched.
    EXPECT_FALSE(report("COM3", 8, Alice, 0x00));
    EXPECT_EQ(stateOf(3), State::Pending);
    ASSERT_EQ(matcher.unmatched().size(), 1u);
    EXPECT_EQ(matcher.unmatched()[0].port, "COM3");
    EXPECT_FALSE(matcher.rowDelivery({0, 99}).has_value());
}

TEST_F(DeliveryMatcherTest, AWrappedReferenceGoesToTheLatestPartInTheWindow)
{
    sent("COM3", 5, Alice, 1, 1, 1, Start.addDays(-2));
    sent("COM3", 5, Alice, 2, 1, 1, Start);
    EXPECT_TRUE(report("COM3", 5, Alice, 0x00));
    EXPECT_EQ(stateOf(1), State::Pending);
    EXPECT_EQ(stateOf(2), State::Delivered);
    // Too old for the window: kept unmatched.
    sent("COM3", 9, Alice, 3, 1, 1, Start.addDays(-5));
    EXPECT_FALSE(report("COM3", 9, Alice, 0x00));
    // A report cannot come before its part went out (beyond clock skew).
    sent("COM3", 10, Alice, 4, 1, 1, Start.addDays(1));
    EXPECT_FALSE(report("COM3", 10, Alice, 0x00));
    EXPECT_EQ(matcher.unmatched().size(), 2u);
}

TEST_F(DeliveryMatcherTest, ALongMessageIsDeliveredWhenEveryPartIsAndFailsWithOnePart)
{
    for (int part = 1; part <= 3; ++part) {
        sent("COM3", 20 + part, Alice, 1, part, 3);
        sent("COM3", 30 + part, Bob, 2, part, 3);
    }
    // Out of order and one twice.
    EXPECT_TRUE(report("COM3", 23, Alice, 0x00));
    EXPECT_TRUE(report("COM3", 21, Alice, 0x00));
    EXPECT_TRUE(report("COM3", 21, Alice, 0x00));
    EXPECT_EQ(stateOf(1), State::Pending);
    EXPECT_TRUE(report("COM3", 22, Alice, 0x00));
    EXPECT_EQ(stateOf(1), State::Delivered);

    EXPECT_TRUE(report("COM3", 31, Bob, 0x00));
    EXPECT_TRUE(report("COM3", 32, Bob, 0x46));
    const RowDelivery failed = matcher.rowDelivery({0, 2}).value();
    EXPECT_EQ(failed.state, State::NotDelivered);
    EXPECT_EQ(deliveryText(failed), "Not delivered: validity period expired");
}

TEST_F(DeliveryMatcherTest, StillTryingIsReplacedByTheFinalReportButNotTheOtherWayRound)
{
    sent("COM3", 1, Alice, 1);
    sent("COM3", 2, Bob, 2);
    EXPECT_TRUE(report("COM3", 1, Alice, 0x21));
    EXPECT_EQ(stateOf(1), State::Pending);
    EXPECT_TRUE(report("COM3", 1, Alice, 0x00));
    EXPECT_EQ(stateOf(1), State::Delivered);
    EXPECT_TRUE(report("COM3", 1, Alice, 0x21)); // a late copy of the earlier one
    EXPECT_EQ(stateOf(1), State::Delivered);
    EXPECT_TRUE(report("COM3", 2, Bob, 0x63));
    EXPECT_EQ(deliveryText(*matcher.rowDelivery({0, 2})), "Not delivered: service rejected");
}

// Every run (and every restart of a modem) counts references from where the modem stands, so
// two runs may send the same reference to the same phone; read back from the store, each
// report still marks the part whose submission the service centre stamped.
TEST(DeliveryMatcherRunsTest, TwoRunsWithOneReferenceForOneNumberDoNotMix)
{
    const QDateTime second = Start.addSecs(600);
    for (const bool laterFirst : {false, true}) {
        DeliveryMatcher matcher;
        matcher.addSentPart({0, "COM3", 5, Alice, Start, 1, 1, 11, {}, {}});
        matcher.addSentPart({0, "COM3", 5, Alice, second, 1, 1, 22, {}, {}});
        const StatusReport early = reportFor(5, Alice, 0x46, Start.addSecs(2));
        const StatusReport late = reportFor(5, Alice, 0x00, second.addSecs(2));
        const QDateTime arrived = second.addSecs(3600);
        if (laterFirst) {
            EXPECT_TRUE(matcher.addReport("COM3", late, arrived));
            EXPECT_TRUE(matcher.addReport("COM3", early, arrived));
        } else {
            EXPECT_TRUE(matcher.addReport("COM3", early, arrived));
            EXPECT_TRUE(matcher.addReport("COM3", late, arrived));
        }
        EXPECT_EQ(matcher.rowDelivery({11, 0})->state, State::NotDelivered) << laterFirst;
        EXPECT_EQ(matcher.rowDelivery({22, 0})->state, State::Delivered) << laterFirst;
        EXPECT_EQ(matcher.pendingParts(11), 0u);
        EXPECT_FALSE(matcher.rowDelivery({33, 0}).has_value());
    }
}

TEST(SameRecipientTest, ComparesDigitsAndTheSubscriberNumber)
{
    EXPECT_TRUE(sameRecipient("+447700900123", "447700900123"));
    EXPECT_TRUE(sameRecipient("+447700900123", "07700900123"));
    EXPECT_FALSE(sameRecipient("+447700900123", "+447700900124"));
    EXPECT_FALSE(sameRecipient("12345", "012345"));
    EXPECT_FALSE(sameRecipient("", ""));
}

} // namespace
