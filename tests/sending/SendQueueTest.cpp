#include "sending/SendQueue.h"

#include "sending/DeliveryTracker.h"
#include "sending/QueueText.h"
#include "sending/SendQueueModel.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

QueueRow fresh(const QString& number)
{
    QueueRow row;
    row[NumberColumn] = number;
    row[UseStatusColumn] = row[CurrentStatusColumn] = QueueText::WaitToDispatch();
    row[RetryColumn] = QueueText::Zero();
    return row;
}

TEST(SendQueueTest, FirstRowOfANumberIgnoresLetterCaseAndLaterRepeats)
{
    SendQueue queue;
    queue.append({fresh("0700"), fresh("ab12"), fresh("0700"), fresh("AB12"), fresh("+0700")});

    EXPECT_EQ(queue.findFirstNumber("0700"), 0);
    EXPECT_EQ(queue.findFirstNumber("AB12"), 1);
    EXPECT_EQ(queue.findFirstNumber("+0700"), 4);
    EXPECT_EQ(queue.findFirstNumber("0700 "), -1);
    EXPECT_EQ(queue.findFirstNumber("999"), -1);

    queue.clear();
    EXPECT_EQ(queue.rowCount(), 0);
    EXPECT_EQ(queue.findFirstNumber("0700"), -1);
}

TEST(SendQueueTest, ATestAndItsClaimAreOneStep)
{
    constexpr int Rows = 2000;
    constexpr int Workers = 8;
    SendQueue queue;
    std::vector<QueueRow> rows;
    for (int i = 0; i < Rows; ++i)
        rows.push_back(fresh(QString::number(i)));
    queue.append(std::move(rows));

    std::vector<std::vector<int>> claimed(Workers);
    std::vector<std::thread> threads;
    for (int w = 0; w < Workers; ++w) {
        threads.emplace_back([&, w] {
            const QString port = QString::number(w + 1);
            for (int i = 0; i < Rows; ++i) {
                const bool mine = queue.update(i, [&](QueueRow& row) {
                    if (!row[UsePortColumn].isEmpty())
                        return false;
                    row[UsePortColumn] = port;
                    row[UseStatusColumn] = QueueText::Sending();
                    return true;
                });
                if (mine)
                    claimed[std::size_t(w)].push_back(i);
            }
        });
    }
    for (auto& t : threads)
        t.join();

    std::vector<int> owners(Rows, 0);
    for (const auto& list : claimed)
        for (int i : list)
            ++owners[std::size_t(i)];
    for (int i = 0; i < Rows; ++i)
        ASSERT_EQ(owners[std::size_t(i)], 1) << "row " << i;
}

TEST(SendQueueTest, AWaiterWakesOnAChangeOrWhenWoken)
{
    SendQueue queue;
    queue.append({fresh("1")});
    const auto seen = queue.version();
    std::thread writer([&] { queue.setCell(0, StatusColumn, "x"); });
    queue.waitForChange(seen, std::chrono::hours(1));
    writer.join();
    EXPECT_NE(queue.version(), seen);

    const auto now = queue.version();
    std::thread waker([&] { queue.wakeWaiters(); });
    // Either the wake-up arrives while waiting or it came before; a lost one would hang here.
    queue.waitForChange(now, std::chrono::milliseconds(200));
    waker.join();
}

} // namespace

// With delivery reports asked, the table's last column follows the reports as they come.
TEST(SendQueueModelTest, TheDeliveryColumnFollowsTheReports)
{
    SendQueue queue;
    queue.append({fresh("+447700900001"), fresh("+447700900002")});
    SendQueueModel plain(queue);
    EXPECT_EQ(plain.columnCount(), QueueColumnCount);

    DeliveryTracker deliveries;
    SendQueueModel model(queue, &deliveries);
    model.refresh();
    ASSERT_EQ(model.columnCount(), QueueColumnCount + 1);
    EXPECT_EQ(model.headerData(QueueColumnCount, Qt::Horizontal).toString(), "Delivery");
    const QDateTime sent(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC);
    deliveries.partsSent(0, "3", "+447700900001", "hi", {7, 8}, sent);
    deliveries.partsSent(1, "3", "+447700900002", "hi", {9}, sent);

    StatusReport report;
    report.messageReference = 7;
    report.recipient = "+447700900001";
    deliveries.reportReceived("3", report, sent.addSecs(5));
    report.messageReference = 9;
    report.recipient = "+447700900002";
    report.status = 0x46;
    report.outcome = ReportOutcome::PermanentError;
    deliveries.reportReceived("3", report, sent.addSecs(6));

    QStringList cells;
    for (int row = 0; row < 2; ++row)
        cells.append(model.data(model.index(row, QueueColumnCount)).toString());
    EXPECT_EQ(cells, QStringList({"Pending", "Not delivered: validity period expired"}));
    EXPECT_EQ(deliveries.pendingParts(), 1u);

    report.messageReference = 8;
    report.recipient = "+447700900001";
    report.status = 0;
    report.outcome = ReportOutcome::Delivered;
    deliveries.reportReceived("3", report, sent.addSecs(7));
    EXPECT_EQ(model.data(model.index(0, QueueColumnCount)).toString(), "Delivered");
    EXPECT_EQ(deliveries.pendingParts(), 0u);
}
