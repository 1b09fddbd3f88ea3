#include "sending/SentItemDeliveries.h"

#include "base/Clock.h"
#include "devices/DeviceState.h"
#include "modem/PortMap.h"
#include "sending/DeliveryTracker.h"
#include "sending/SentItemsDeliverySource.h"
#include "stores/DataFolder.h"
#include "stores/DeliveryReportStore.h"
#include "stores/SentItemKey.h"
#include "stores/SentItemStore.h"
#include "stores/SentItemsLogic.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

const QString Sent = QStringLiteral("Message sent successfully.");
const QDateTime Morning(QDate(2026, 3, 2), QTime(9, 0), QTimeZone(3600));
const QString Alice = QStringLiteral("+447700900123");

DeliveryPartRecord partOf(std::uint64_t run, std::int64_t row, const QString& number,
                          const QString& message, const QDateTime& at = Morning)
{
    DeliveryPartRecord part{row, "3", int(row % 256), number, at, 1, 1, run, at.date(), {}};
    part.messageKey =
        SentItemKey::MessageFingerprint(SentItemKey::AsLogged(number, message, at.date()).message);
    return part;
}

SentItem itemOf(const QString& number, const QString& message, const QString& status = Sent,
                const QDate& day = Morning.date())
{
    return {number, message, SentItemRecord::DateText(day), status};
}

// Records and rows of one key pair from the newest back; other keys, failed records and parts
// written before the key was kept pair with nothing.
TEST(SentItemRowsTest, PairsRecordsAndRowsOfOneKeyFromTheNewest)
{
    DeliveryPartRecord old = partOf(0, 9, Alice, "hi");
    old.day = QDate();
    old.messageKey.clear();
    const std::vector<DeliveryRecordEntry> entries = {
        old,
        partOf(5, 0, Alice, "hi"),
        partOf(5, 0, Alice, "hi"), // the second part of the same row
        partOf(5, 1, "+447700900456", "  hi"),
        partOf(7, 0, Alice, "hi"), // a later run, the same key
    };
    const std::vector<SentItem> items = {
        itemOf(Alice, "hi"), // a run that asked for no report, or a cleared row
        itemOf(Alice, "hi", "Error : +CMS ERROR: 38"),
        itemOf(Alice, "hi"),           // run 5
        itemOf("+447700900456", "hi"), // the log trims the blanks the message began with
        itemOf(Alice, "hi"),           // run 7
        itemOf(Alice, "hi!"),          // another message
        itemOf(Alice, "hi", Sent, Morning.date().addDays(1)), // another day
    };
    const std::vector<std::optional<DeliveryRowId>> expected = {
        std::nullopt,        std::nullopt, DeliveryRowId{5, 0}, DeliveryRowId{5, 1},
        DeliveryRowId{7, 0}, std::nullopt, std::nullopt,
    };
    EXPECT_EQ(SentItemRows(items, entries), expected);
}

// The sent-items window over the real stores: the column shows what the delivery-report store
// says of each record, and keeps to its record when rows are cleared.
class SentItemsDeliveryColumnTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    DataFolder data{dir.path()};
    SentItemStore sentItems{data};
    DeliveryReportStore reports{data};
    DeviceState devices;
    PortMap ports{dir.path()};
    SentItemsDeliverySource source{reports, devices, ports, Clock::system()};
    ScriptedPrompter prompter;
    SentItemsLogic logic{sentItems, prompter};
};

TEST_F(SentItemsDeliveryColumnTest, TheColumnShowsEachRecordsDeliveryState)
{
    const QDateTime now = QDateTime::currentDateTime();
    {
        DeliveryTracker tracker(&reports);
        ASSERT_TRUE(sentItems.Append("+447700900001", "one", Sent, now.date()));
        tracker.partsSent(0, "3", "+447700900001", "one", {4}, now);
        ASSERT_TRUE(sentItems.Append("+447700900002", "two", Sent, now.date()));
        tracker.partsSent(1, "3", "+447700900002", "two", {5, 6}, now);
        ASSERT_TRUE(
            sentItems.Append("+447700900003", "three", "Error : +CMS ERROR: 38", now.date()));
        StatusReport report;
        report.messageReference = 5;
        report.recipient = "+447700900002";
        report.status = 0x46;
        report.outcome = outcomeOfStatus(0x46);
        tracker.reportReceived("3", report, now.addSecs(3));
    }
    ASSERT_TRUE(sentItems.Append("+447700900004", "four", Sent, now.date())); // no report asked

    logic.setDeliveries(&source);
    const std::vector<SentItem> records = logic.readStore();
    logic.showRecords(records);
    logic.showDeliveries(logic.readDeliveries(records));
    const SentItemsModel& model = logic.model();
    ASSERT_EQ(model.columnCount(), 5);
    EXPECT_EQ(model.headerData(SentItemsModel::DeliveryColumn, Qt::Horizontal, Qt::DisplayRole),
              "Delivery");
    const auto column = [&] {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts.append(
                model.data(model.index(row, SentItemsModel::DeliveryColumn), Qt::DisplayRole)
                    .toString());
        return texts;
    };
    EXPECT_EQ(column(), QStringList({"Pending", "Not delivered: validity period expired", "", ""}));
    EXPECT_TRUE(logic.detailsText({1}).endsWith("Delivery\t:  Not delivered: validity period "
                                                "expired"));

    const std::vector<int> cleared{0};
    logic.removeRows(model.recordsWithout(cleared), model.deliveriesWithout(cleared));
    EXPECT_EQ(column(), QStringList({"Not delivered: validity period expired", "", ""}));

    // No confirmed modem: nothing to read, and the window says so.
    logic.reportReading(logic.readReports());
    EXPECT_TRUE(prompter.shown().last().text.startsWith("No device is confirmed."));
}

} // namespace
