#include "outbox/OutboxError.h"
#include "outbox/OutboxLink.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

// The outbox's statements on SQLite and, where the suite started a server
// (QUILLON_TEST_POSTGRES holds its address), on PostgreSQL: both run the same tests.

namespace {

// Runs statements on the test's database past the outbox's own code.
void execute(const OutboxAddress& address, const QStringList& statements)
{
    {
        const bool postgres = address.kind == OutboxAddress::Kind::Postgresql;
        QSqlDatabase database = QSqlDatabase::addDatabase(
            postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), "test-direct");
        database.setDatabaseName(postgres ? address.database : address.file);
        database.setHostName(address.host);
        database.setUserName(address.user);
        ASSERT_TRUE(database.open());
        for (const QString& statement : statements)
            QSqlQuery(database).exec(statement);
    }
    QSqlDatabase::removeDatabase("test-direct");
}

void dropTables(const OutboxAddress& address)
{
    execute(address, {"DROP TABLE IF EXISTS outbox", "DROP TABLE IF EXISTS campaigns",
                      "DROP TABLE IF EXISTS inbox", "DROP TABLE IF EXISTS quillon_schema"});
}

class OutboxDatabaseTest : public ::testing::TestWithParam<OutboxAddress::Kind>
{
protected:
    void SetUp() override
    {
        if (GetParam() == OutboxAddress::Kind::Sqlite) {
            address.file = folder.filePath("Outbox.sqlite");
            return;
        }
        const QString text = qEnvironmentVariable("QUILLON_TEST_POSTGRES");
        if (text.isEmpty())
            GTEST_SKIP() << "no PostgreSQL server for the tests";
        address = *ParseOutboxAddress(text, {}).address;
        dropTables(address); // the suite's tests share one server
    }

    static std::vector<OutboxMessage> messages(int count, const QString& campaign = {})
    {
        std::vector<OutboxMessage> list;
        for (int i = 0; i < count; ++i)
            list.push_back({QStringLiteral("+4477009%1").arg(i, 5, 10, QChar('0')),
                            QStringLiteral("text %1").arg(i), false, false, campaign, 0, 0});
        return list;
    }

    QTemporaryDir folder;
    OutboxAddress address;
};

TEST_P(OutboxDatabaseTest, ARowGoesFromClaimThroughSubmissionToItsOutcome)
{
    OutboxDatabase database(address);
    auto list = messages(3);
    list[2].priority = 5;
    list[1].notBefore = 4102444800; // 2100: not due
    database.enqueue(list);

    const std::vector<OutboxRow> claimed = database.claim("a", 10, 60);
    ASSERT_EQ(claimed.size(), 2u);
    EXPECT_EQ(claimed[0].message.number, list[2].number); // priority first
    EXPECT_EQ(claimed[1].message.number, list[0].number);
    EXPECT_EQ(claimed[1].attempts, 1);
    EXPECT_TRUE(database.claim("b", 10, 60).empty());

    EXPECT_FALSE(database.markSubmitting(claimed[0].id, "b")); // not b's
    EXPECT_TRUE(database.markSubmitting(claimed[0].id, "a"));
    EXPECT_TRUE(database.markSubmitting(claimed[0].id, "a")); // a retry round
    EXPECT_TRUE(database.finish(claimed[0].id, "a",
                                {OutboxState::Sent, "Message sent successfully.", "COM1", "4"}));
    EXPECT_FALSE(database.finish(claimed[0].id, "a", {OutboxState::Failed, "x", {}, {}}));
    EXPECT_TRUE(database.finish(claimed[1].id, "a", {OutboxState::Queued, {}, {}, {}}));

    const OutboxCounts counts = database.counts();
    EXPECT_EQ(counts.sent, 1);
    EXPECT_EQ(counts.queued, 2);
    EXPECT_EQ(counts.open(), 2);
    const std::vector<OutboxEntry> entries = database.entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].state, "sent");
    EXPECT_EQ(entries[2].result, "Message sent successfully.");
    EXPECT_EQ(entries[2].port, "COM1");
    EXPECT_EQ(entries[0].state, "queued");
    EXPECT_TRUE(entries[0].claimedBy.isEmpty());
}

TEST_P(OutboxDatabaseTest, ExpiredLeasesGiveClaimedRowsBackAndMakeSubmittedOnesUnknown)
{
    OutboxDatabase database(address);
    database.enqueue(messages(3));
    const std::vector<OutboxRow> claimed = database.claim("dead", 3, 1);
    ASSERT_EQ(claimed.size(), 3u);
    ASSERT_TRUE(database.markSubmitting(claimed[0].id, "dead"));
    EXPECT_EQ(database.expireLeases(), std::pair(0, 0)); // not yet
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    EXPECT_FALSE(database.markSubmitting(claimed[1].id, "dead")); // its lease is over
    EXPECT_EQ(database.expireLeases(), std::pair(1, 2));

    const std::vector<OutboxRow> taken = database.claim("alive", 10, 60);
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].attempts, 2);
    EXPECT_FALSE(database.finish(claimed[1].id, "dead", {OutboxState::Sent, {}, {}, {}}));
    const std::vector<OutboxEntry> entries = database.entries();
    EXPECT_EQ(entries[0].state, "unknown");
    EXPECT_TRUE(entries[0].result.contains("Outcome unknown"));
    EXPECT_EQ(entries[1].claimedBy, "alive");
}

TEST_P(OutboxDatabaseTest, RenewedLeasesHold)
{
    OutboxDatabase database(address);
    database.enqueue(messages(1));
    const std::vector<OutboxRow> claimed = database.claim("a", 1, 2);
    for (int i = 0; i < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        database.renewLeases("a", 2);
    }
    EXPECT_EQ(database.expireLeases(), std::pair(0, 0));
    EXPECT_TRUE(database.markSubmitting(claimed[0].id, "a"));
}

TEST_P(OutboxDatabaseTest, InstancesClaimingAtOnceNeverShareARow)
{
    {
        OutboxDatabase database(address);
        database.enqueue(messages(400));
    }
    std::mutex mutex;
    QSet<std::int64_t> seen;
    int repeated = 0;
    std::vector<std::thread> instances;
    for (int i = 0; i < 4; ++i)
        instances.emplace_back([&, i] {
            OutboxLink link(address);
            for (;;) {
                const std::vector<OutboxRow> rows = link.call([&](OutboxDatabase& database) {
                    return database.claim(QStringLiteral("i%1").arg(i), 7, 60);
                });
                if (rows.empty())
                    return;
                std::lock_guard lock(mutex);
                for (const OutboxRow& row : rows) {
                    repeated += seen.contains(row.id) ? 1 : 0;
                    seen.insert(row.id);
                }
            }
        });
    for (std::thread& instance : instances)
        instance.join();
    EXPECT_EQ(repeated, 0);
    EXPECT_EQ(seen.size(), 400);
}

TEST_P(OutboxDatabaseTest, AnOutboxOfANewerProgramIsRefused)
{
    {
        OutboxDatabase database(address);
    }
    execute(address, {"UPDATE quillon_schema SET version = 99"});
    try {
        OutboxDatabase again(address);
        FAIL() << "opened";
    } catch (const OutboxError& error) {
        EXPECT_EQ(error.kind(), OutboxError::Kind::Schema);
        EXPECT_TRUE(error.text().contains("newer")) << error.text().toStdString();
    }
    dropTables(address);
}

TEST(OutboxDatabaseErrorsTest, AnUnreachableDatabaseIsAConnectionError)
{
    OutboxAddress address;
    address.file = "/nonexistent-folder/Outbox.sqlite";
    try {
        OutboxLink link(address);
        FAIL() << "opened";
    } catch (const OutboxError& error) {
        EXPECT_EQ(error.kind(), OutboxError::Kind::Connection);
    }
}

INSTANTIATE_TEST_SUITE_P(Databases, OutboxDatabaseTest,
                         ::testing::Values(OutboxAddress::Kind::Sqlite,
                                           OutboxAddress::Kind::Postgresql),
                         [](const auto& info) {
                             return info.param == OutboxAddress::Kind::Sqlite ? "Sqlite"
                                                                              : "Postgresql";
                         });

} // namespace
