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

TEST_P(OutboxDatabaseTest, DeliveriesAndRepliesGoToTheRowsTheInstanceSent)
{
    OutboxDatabase database(address);
    auto list = messages(2);
    list.push_back(list[0]); // the first number again, sent later by another instance
    database.enqueue(list);
    const std::vector<OutboxRow> a = database.claim("a", 2, 60);
    const std::vector<OutboxRow> b = database.claim("b", 1, 60);
    ASSERT_EQ(a.size(), 2u);
    ASSERT_EQ(b.size(), 1u);
    ASSERT_TRUE(database.finish(a[0].id, "a", {OutboxState::Sent, "ok", "COM1", "4"}));
    ASSERT_TRUE(database.finish(a[1].id, "a", {OutboxState::Failed, "no", "COM1", {}}));
    ASSERT_TRUE(database.finish(b[0].id, "b", {OutboxState::Sent, "ok", "COM7", "4"}));

    EXPECT_FALSE(database.setDelivery(a[0].id, "b", "Delivered", true)); // not b's row
    EXPECT_FALSE(database.setDelivery(a[1].id, "a", "Pending", false));  // not sent
    EXPECT_TRUE(database.setDelivery(a[0].id, "a", "Pending", false));
    EXPECT_TRUE(
        database.setDelivery(b[0].id, "b", "Not delivered: validity period expired", false));
    std::vector<OutboxEntry> entries = database.entries();
    EXPECT_EQ(entries[0].delivery, "Pending");
    EXPECT_EQ(entries[0].deliveredAt, 0);
    EXPECT_TRUE(database.setDelivery(a[0].id, "a", "Delivered", true));
    entries = database.entries();
    EXPECT_EQ(entries[0].delivery, "Delivered");
    EXPECT_GT(entries[0].deliveredAt, 1700000000);
    EXPECT_EQ(entries[1].delivery, "");
    EXPECT_EQ(entries[2].delivery, "Not delivered: validity period expired");
    EXPECT_EQ(entries[2].deliveredAt, 0);

    // Replies link to the last row sent to their number, the instance's own on that port
    // first; a number written without its "+" is the same number.
    const QString number = list[0].number;
    database.addReply({number, "STOP", 1800000000, "COM1", "a"});
    database.addReply({number.mid(1), "thanks", 1800000001, "COM7", "b"});
    database.addReply({list[1].number, "why?", 1800000002, "COM1", "a"}); // its row failed
    database.addReply({"+15550100", "hi", 1800000003, "COM1", "a"});
    const std::vector<InboxEntry> inbox = database.inboxEntries();
    ASSERT_EQ(inbox.size(), 4u);
    EXPECT_EQ(inbox[0].reply.text, "STOP");
    EXPECT_EQ(inbox[0].reply.receivedAt, 1800000000);
    EXPECT_EQ(inbox[0].reply.port, "COM1");
    EXPECT_EQ(inbox[0].reply.instance, "a");
    EXPECT_EQ(inbox[0].outboxId, a[0].id);
    EXPECT_EQ(inbox[1].outboxId, b[0].id);
    EXPECT_EQ(inbox[2].outboxId, 0);
    EXPECT_EQ(inbox[3].outboxId, 0);
}

// A message taken again keeps its one row; an incomplete one is made whole once, and a
// whole one never turns incomplete. Rows without a key are all kept.
TEST_P(OutboxDatabaseTest, InboxRowsAreOnePerMessageKey)
{
    OutboxDatabase database(address);
    const auto reply = [](const QString& text, const QString& key, bool complete,
                          std::int64_t at = 1800000000) {
        return OutboxReply{"+447700900001", text, at, "COM1", "a", key, complete};
    };
    database.addReply(reply("STOP", "single", true));
    database.addReply(reply("STOP", "single", true)); // read again after a restart
    database.addReply(reply("Part one […]", "long", false, 1800000001));
    database.addReply(reply("Part one […]", "long", false, 1800000001));
    database.addReply(reply("Part one, part two", "long", true, 1800000050));
    database.addReply(reply("Part one […]", "long", false, 1800000060)); // a late copy
    database.addReply(reply("Never whole […]", "lost", false));
    database.addReply(reply("no key", {}, true));
    database.addReply(reply("no key", {}, true));

    const std::vector<InboxEntry> inbox = database.inboxEntries();
    ASSERT_EQ(inbox.size(), 5u);
    EXPECT_EQ(inbox[0].reply.key, "single");
    EXPECT_EQ(inbox[1].reply.text, "Part one, part two");
    EXPECT_EQ(inbox[1].reply.receivedAt, 1800000050);
    EXPECT_TRUE(inbox[1].reply.complete);
    EXPECT_EQ(inbox[2].reply.key, "lost");
    EXPECT_FALSE(inbox[2].reply.complete);
    EXPECT_EQ(inbox[3].reply.key, "");
    EXPECT_EQ(inbox[4].reply.text, "no key");
}

// The tables as the first schema made them, in each dialect.
QStringList firstSchema(OutboxAddress::Kind kind)
{
    const bool postgres = kind == OutboxAddress::Kind::Postgresql;
    const QString key = postgres ? "BIGSERIAL PRIMARY KEY" : "INTEGER PRIMARY KEY AUTOINCREMENT";
    const QString now = postgres ? "CAST(EXTRACT(EPOCH FROM now()) AS BIGINT)"
                                 : "CAST(strftime('%s','now') AS INTEGER)";
    const QString stamp = "BIGINT NOT NULL DEFAULT (" + now + ")";
    return {
        "CREATE TABLE quillon_schema (version INTEGER NOT NULL)",
        "INSERT INTO quillon_schema (version) VALUES (1)",
        QString("CREATE TABLE campaigns (id %1, name TEXT NOT NULL UNIQUE, created_at %2)")
            .arg(key, stamp),
        QString("CREATE TABLE outbox (id %1, number TEXT NOT NULL, text TEXT NOT NULL, flash "
                "INTEGER NOT NULL DEFAULT 0, unicode INTEGER NOT NULL DEFAULT 0, campaign TEXT "
                "NOT NULL DEFAULT '', priority INTEGER NOT NULL DEFAULT 0, not_before BIGINT NOT "
                "NULL DEFAULT 0, state TEXT NOT NULL DEFAULT 'queued', claimed_by TEXT, "
                "lease_until BIGINT, attempts INTEGER NOT NULL DEFAULT 0, result TEXT, sent_at "
                "BIGINT, port TEXT, message_references TEXT, delivery TEXT, created_at %2)")
            .arg(key, stamp),
        "CREATE INDEX outbox_due ON outbox (state, priority, id)",
        "CREATE INDEX outbox_leases ON outbox (claimed_by)",
        QString("CREATE TABLE inbox (id %1, number TEXT NOT NULL, text TEXT NOT NULL, "
                "received_at BIGINT, port TEXT, read_by TEXT, created_at %2)")
            .arg(key, stamp),
        "INSERT INTO outbox (number, text, state, claimed_by, port, sent_at) VALUES "
        "('+447700900001', 'sent before', 'sent', 'old', 'COM1', 1790000000)",
        "INSERT INTO outbox (number, text) VALUES ('+447700900002', 'still queued')",
        "INSERT INTO inbox (number, text, received_at, port) VALUES ('+447700900001', 'ok', "
        "1790000001, 'COM1')",
    };
}

int schemaVersion(const OutboxAddress& address)
{
    int version = 0;
    {
        const bool postgres = address.kind == OutboxAddress::Kind::Postgresql;
        QSqlDatabase database = QSqlDatabase::addDatabase(
            postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), "test-version");
        database.setDatabaseName(postgres ? address.database : address.file);
        database.setHostName(address.host);
        database.setUserName(address.user);
        EXPECT_TRUE(database.open());
        QSqlQuery query(database);
        EXPECT_TRUE(query.exec("SELECT version FROM quillon_schema"));
        version = query.next() ? query.value(0).toInt() : -1;
        EXPECT_FALSE(query.next()) << "one version row";
    }
    QSqlDatabase::removeDatabase("test-version");
    return version;
}

TEST_P(OutboxDatabaseTest, AnOutboxOfTheFirstSchemaIsUpgradedKeepingItsRows)
{
    execute(address, firstSchema(GetParam()));
    ASSERT_EQ(schemaVersion(address), 1);
    {
        OutboxDatabase database(address);
        std::vector<OutboxEntry> entries = database.entries();
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[0].state, "sent");
        EXPECT_EQ(entries[1].state, "queued");
        EXPECT_TRUE(database.setDelivery(entries[0].id, "old", "Delivered", true));
        database.addReply({"+447700900001", "STOP", 1790000002, "COM1", "new", "k1"});
        database.addReply({"+447700900001", "STOP", 1790000002, "COM1", "new", "k1"});
        const std::vector<InboxEntry> inbox = database.inboxEntries();
        ASSERT_EQ(inbox.size(), 2u); // the upgraded table knows the message keys too
        EXPECT_EQ(inbox[0].reply.text, "ok");
        EXPECT_TRUE(inbox[0].reply.complete);
        EXPECT_EQ(inbox[0].outboxId, 0);
        EXPECT_EQ(inbox[1].outboxId, entries[0].id);
        EXPECT_EQ(database.claim("new", 5, 60).size(), 1u);
    }
    EXPECT_EQ(schemaVersion(address), 2);
    OutboxDatabase again(address); // upgraded once: opening it again changes nothing
    EXPECT_EQ(again.entries()[0].delivery, "Delivered");
    EXPECT_EQ(schemaVersion(address), 2);
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
