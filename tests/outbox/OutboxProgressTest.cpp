#include "outbox/OutboxProgress.h"

#include "outbox/OutboxDatabase.h"
#include "outbox/OutboxError.h"
#include "support/Gate.h"
#include "support/WaitUntil.h"

#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>

namespace {

// Waits for the count under way to end and returns its reading.
OutboxReading nextReading(OutboxProgress& progress)
{
    std::optional<OutboxReading> reading;
    EXPECT_TRUE(waitUntil([&] { return (reading = progress.take()).has_value(); }));
    return reading.value_or(OutboxReading{});
}

TEST(OutboxProgressTest, CountsTheRowsOfEachState)
{
    QTemporaryDir folder;
    OutboxAddress address;
    address.file = folder.filePath("Outbox.sqlite");
    {
        OutboxDatabase database(address);
        std::vector<OutboxMessage> list;
        for (int i = 0; i < 5; ++i)
            list.push_back(
                {QStringLiteral("+44770090000%1").arg(i), "text", false, false, {}, 0, 0});
        database.enqueue(list);
        const std::vector<OutboxRow> claimed = database.claim("a", 3, 60);
        database.finish(claimed[0].id, "a", {OutboxState::Sent, "ok", "COM1", "1"});
        database.markSubmitting(claimed[1].id, "a");
        database.finish(claimed[1].id, "a", {OutboxState::Failed, "no", "COM1", {}});
    }

    OutboxProgress progress;
    EXPECT_FALSE(progress.take()); // nothing asked yet
    progress.request(address.file);
    const OutboxReading reading = nextReading(progress);
    ASSERT_TRUE(reading.counts) << reading.error.toStdString();
    EXPECT_EQ(reading.address, address.file);
    EXPECT_EQ(reading.counts->queued, 2);
    EXPECT_EQ(reading.counts->claimed, 1);
    EXPECT_EQ(reading.counts->sent, 1);
    EXPECT_EQ(reading.counts->failed, 1);
    EXPECT_EQ(reading.counts->submitting + reading.counts->unknown, 0);
    EXPECT_DOUBLE_EQ(OutboxProgress::endedShare(*reading.counts), 0.4);
    EXPECT_FALSE(progress.take()); // a reading is handed over once
}

TEST(OutboxProgressTest, AnUnreachableOutboxGivesItsErrorTextAndNoCounts)
{
    OutboxProgress progress;
    progress.request("/nonexistent-folder/Outbox.sqlite");
    const OutboxReading failed = nextReading(progress);
    EXPECT_FALSE(failed.counts);
    EXPECT_FALSE(failed.error.isEmpty());

    progress.request("mysql://somewhere/db"); // not an outbox address at all
    const OutboxReading refused = nextReading(progress);
    EXPECT_FALSE(refused.counts);
    EXPECT_FALSE(refused.error.isEmpty());

    // Once the database answers, the counts come back.
    QTemporaryDir folder;
    progress.request(folder.filePath("Outbox.sqlite"));
    const OutboxReading recovered = nextReading(progress);
    ASSERT_TRUE(recovered.counts) << recovered.error.toStdString();
    EXPECT_EQ(recovered.counts->open(), 0);
    EXPECT_DOUBLE_EQ(OutboxProgress::endedShare(*recovered.counts), 0.0);
}

TEST(OutboxProgressTest, ASlowDatabaseNeverHoldsTheCaller)
{
    Gate answer;
    std::atomic<int> asked = 0;
    OutboxProgress progress([&](const OutboxAddress&) {
        ++asked;
        answer.wait();
        OutboxCounts counts;
        counts.sent = 3;
        return counts;
    });
    progress.request("slow.sqlite"); // returns at once though the count cannot end
    ASSERT_TRUE(waitUntil([&] { return asked == 1; }));
    progress.request("slow.sqlite"); // one question at a time
    EXPECT_FALSE(progress.take());

    answer.open();
    const OutboxReading reading = nextReading(progress);
    ASSERT_TRUE(reading.counts);
    EXPECT_EQ(reading.counts->sent, 3);
    EXPECT_EQ(asked, 1);
}

TEST(OutboxProgressTest, ErrorsOfTheCountAreItsText)
{
    OutboxProgress progress([](const OutboxAddress&) -> OutboxCounts {
        throw OutboxError(OutboxError::Kind::Connection, "connection refused");
    });
    progress.request("any.sqlite");
    EXPECT_EQ(nextReading(progress).error, "connection refused");
}

} // namespace
