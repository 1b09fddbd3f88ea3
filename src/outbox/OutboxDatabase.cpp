#include "outbox/OutboxDatabase.h"

#include "outbox/OutboxError.h"
#include "outbox/OutboxSql.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("OutboxDatabase", text);
}

// Unique while the object lives, which is as long as its connection.
QString connectionName(const void* owner)
{
    return QStringLiteral("quillon-outbox-%1").arg(quintptr(owner), 0, 16);
}

// A null QString binds as NULL; the outbox's text columns are NOT NULL.
QString notNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString unknownResult()
{
    return QStringLiteral("Error : Outcome unknown (the program stopped during the submission).");
}

// A statement's connection and its transaction, rolled back unless committed.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase database) : m_database(std::move(database))
    {
        if (!m_database.transaction())
            throw OutboxError(OutboxError::Kind::Statement, m_database.lastError().text());
    }
    ~Transaction()
    {
        if (!m_committed)
            m_database.rollback();
    }
    void commit()
    {
        if (!m_database.commit())
            throw OutboxError(OutboxError::Kind::Statement, m_database.lastError().text());
        m_committed = true;
    }

private:
    QSqlDatabase m_database;
    bool m_committed = false;
};

} // namespace

OutboxDatabase::OutboxDatabase(const OutboxAddress& address)
    : m_address(address), m_connection(connectionName(this))
{
    open();
    migrate();
}

OutboxDatabase::~OutboxDatabase()
{
    m_prepared.clear();
    {
        QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void OutboxDatabase::open()
{
    const bool postgres = m_address.kind == OutboxAddress::Kind::Postgresql;
    const QString driver = postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw OutboxError(OutboxError::Kind::Connection,
                          tr("The %1 database driver is not installed.").arg(driver));
    QSqlDatabase database = QSqlDatabase::addDatabase(driver, m_connection);
    if (postgres) {
        database.setHostName(m_address.host);
        if (m_address.port > 0)
            database.setPort(m_address.port);
        database.setDatabaseName(m_address.database);
        database.setUserName(m_address.user);
        database.setPassword(m_address.password);
        database.setConnectOptions(QStringLiteral("connect_timeout=10"));
    } else {
        database.setDatabaseName(m_address.file);
        // Another process (an enqueue, another program) may hold the file a moment.
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
    if (!database.open())
        throw OutboxError(
            OutboxError::Kind::Connection,
            tr("Cannot open the outbox database: %1").arg(database.lastError().text()));
    if (!postgres) {
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
    }
}

void OutboxDatabase::migrate()
{
    QSqlDatabase database = QSqlDatabase::database(m_connection);
    const bool postgres = m_address.kind == OutboxAddress::Kind::Postgresql;
    if (!postgres)
        exec(QStringLiteral("BEGIN IMMEDIATE"));
    else if (!database.transaction())
        throw OutboxError(OutboxError::Kind::Schema, database.lastError().text());
    try {
        // Instances starting together must not create the tables twice.
        if (postgres)
            exec(QStringLiteral("SELECT pg_advisory_xact_lock(7305501)"));
        exec(QStringLiteral("CREATE TABLE IF NOT EXISTS quillon_schema (version INTEGER NOT "
                            "NULL)"));
        QSqlQuery query(database);
        query.prepare(QStringLiteral("SELECT MAX(version) FROM quillon_schema"));
        run(query, QStringLiteral("schema"));
        const int version = query.next() ? query.value(0).toInt() : 0;
        query.finish();
        if (version > OutboxSql::SchemaVersion)
            throw OutboxError(OutboxError::Kind::Schema,
                              tr("The outbox was made by a newer version of the program (schema "
                                 "%1; this one knows %2).")
                                  .arg(version)
                                  .arg(OutboxSql::SchemaVersion));
        if (version < OutboxSql::SchemaVersion) {
            // An existing outbox is upgraded step by step; then whatever is missing is made.
            for (int step = version; step >= 1 && step < OutboxSql::SchemaVersion; ++step)
                for (const QString& statement : OutboxSql::upgradeFrom(step))
                    exec(statement);
            for (const QString& statement : OutboxSql::createSchema(m_address.kind))
                exec(statement);
            exec(QStringLiteral("DELETE FROM quillon_schema"));
            exec(QStringLiteral("INSERT INTO quillon_schema (version) VALUES (%1)")
                     .arg(OutboxSql::SchemaVersion));
        }
    } catch (...) {
        database.rollback();
        throw;
    }
    if (!database.commit())
        throw OutboxError(OutboxError::Kind::Schema, database.lastError().text());
}

void OutboxDatabase::run(QSqlQuery& query, const QString& what)
{
    if (!query.exec())
        throw OutboxError(OutboxError::Kind::Statement,
                          tr("Outbox %1: %2").arg(what, query.lastError().text()));
}

void OutboxDatabase::exec(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    if (!query.exec(statement))
        throw OutboxError(OutboxError::Kind::Statement,
                          tr("Outbox: %1").arg(query.lastError().text()));
}

void OutboxDatabase::enqueue(const std::vector<OutboxMessage>& messages)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection);
    Transaction transaction(database);
    QSqlQuery campaign(database);
    campaign.prepare(OutboxSql::insertCampaign(m_address.kind));
    QString lastCampaign;
    QSqlQuery insert(database);
    insert.prepare(OutboxSql::insertMessage());
    for (const OutboxMessage& message : messages) {
        if (!message.campaign.isEmpty() && message.campaign != lastCampaign) {
            campaign.bindValue(QStringLiteral(":name"), message.campaign);
            run(campaign, QStringLiteral("campaign"));
            lastCampaign = message.campaign;
        }
        insert.bindValue(QStringLiteral(":number"), notNull(message.number));
        insert.bindValue(QStringLiteral(":text"), notNull(message.text));
        insert.bindValue(QStringLiteral(":flash"), message.flash ? 1 : 0);
        insert.bindValue(QStringLiteral(":unicode"), message.unicode ? 1 : 0);
        insert.bindValue(QStringLiteral(":campaign"), notNull(message.campaign));
        insert.bindValue(QStringLiteral(":priority"), message.priority);
        insert.bindValue(QStringLiteral(":notBefore"), qint64(message.notBefore));
        run(insert, QStringLiteral("insert"));
    }
    transaction.commit();
}

QSqlQuery& OutboxDatabase::prepared(const QString& statement)
{
    std::unique_ptr<QSqlQuery>& query = m_prepared[statement];
    if (!query) {
        query = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection));
        if (!query->prepare(statement)) {
            const QString error = query->lastError().text();
            query.reset();
            throw OutboxError(OutboxError::Kind::Statement, tr("Outbox: %1").arg(error));
        }
    }
    return *query;
}

std::vector<OutboxRow> OutboxDatabase::claim(const QString& instance, int limit, int leaseSeconds)
{
    // One statement, so no transaction of its own: the rows it picks are the rows it leases.
    QSqlQuery& query = prepared(OutboxSql::claim(m_address.kind));
    query.bindValue(QStringLiteral(":instance"), instance);
    query.bindValue(QStringLiteral(":lease"), leaseSeconds);
    query.bindValue(QStringLiteral(":limit"), limit);
    run(query, QStringLiteral("claim"));
    std::vector<OutboxRow> rows;
    while (query.next()) {
        OutboxRow row;
        row.id = query.value(0).toLongLong();
        row.message.number = query.value(1).toString();
        row.message.text = query.value(2).toString();
        row.message.flash = query.value(3).toInt() != 0;
        row.message.unicode = query.value(4).toInt() != 0;
        row.message.campaign = query.value(5).toString();
        row.message.priority = query.value(6).toInt();
        row.message.notBefore = query.value(7).toLongLong();
        row.attempts = query.value(8).toInt();
        rows.push_back(std::move(row));
    }
    query.finish();
    // RETURNING gives no order; the queue keeps the outbox's.
    std::sort(rows.begin(), rows.end(), [](const OutboxRow& a, const OutboxRow& b) {
        return a.message.priority != b.message.priority ? a.message.priority > b.message.priority
                                                        : a.id < b.id;
    });
    return rows;
}

bool OutboxDatabase::markSubmitting(std::int64_t id, const QString& instance)
{
    QSqlQuery& query = prepared(OutboxSql::markSubmitting(m_address.kind));
    query.bindValue(QStringLiteral(":id"), qint64(id));
    query.bindValue(QStringLiteral(":instance"), instance);
    run(query, QStringLiteral("submission"));
    return query.numRowsAffected() == 1;
}

bool OutboxDatabase::finish(std::int64_t id, const QString& instance, const OutboxOutcome& outcome)
{
    const bool back = outcome.state == QLatin1String(OutboxState::Queued);
    QSqlQuery& query = prepared(back ? OutboxSql::giveBack() : OutboxSql::finish(m_address.kind));
    if (!back) {
        query.bindValue(QStringLiteral(":state"), outcome.state);
        query.bindValue(QStringLiteral(":result"), outcome.result);
        query.bindValue(QStringLiteral(":port"), outcome.port);
        query.bindValue(QStringLiteral(":refs"), outcome.references);
        query.bindValue(QStringLiteral(":sent"),
                        outcome.state == QLatin1String(OutboxState::Sent) ? 1 : 0);
    }
    query.bindValue(QStringLiteral(":id"), qint64(id));
    query.bindValue(QStringLiteral(":instance"), instance);
    run(query, QStringLiteral("outcome"));
    return query.numRowsAffected() == 1;
}

void OutboxDatabase::renewLeases(const QString& instance, int leaseSeconds)
{
    QSqlQuery& query = prepared(OutboxSql::renewLeases(m_address.kind));
    query.bindValue(QStringLiteral(":lease"), leaseSeconds);
    query.bindValue(QStringLiteral(":instance"), instance);
    run(query, QStringLiteral("lease"));
}

std::pair<int, int> OutboxDatabase::expireLeases()
{
    QSqlDatabase database = QSqlDatabase::database(m_connection);
    Transaction transaction(database);
    QSqlQuery unknown(database);
    unknown.prepare(OutboxSql::expireSubmitting(m_address.kind));
    unknown.bindValue(QStringLiteral(":result"), unknownResult());
    run(unknown, QStringLiteral("lease"));
    // SQLite tells the changes of the connection's last statement only: read each at once.
    const int madeUnknown = unknown.numRowsAffected();
    QSqlQuery queued(database);
    queued.prepare(OutboxSql::expireClaimed(m_address.kind));
    run(queued, QStringLiteral("lease"));
    const int givenBack = queued.numRowsAffected();
    transaction.commit();
    return {madeUnknown, givenBack};
}

OutboxCounts OutboxDatabase::counts()
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.prepare(OutboxSql::counts());
    return countsOf(query);
}

OutboxCounts OutboxDatabase::counts(const QString& instance)
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.prepare(OutboxSql::countsOfInstance());
    query.bindValue(QStringLiteral(":instance"), instance);
    return countsOf(query);
}

OutboxCounts OutboxDatabase::countsOf(QSqlQuery& query)
{
    run(query, QStringLiteral("counts"));
    OutboxCounts counts;
    while (query.next()) {
        const QString state = query.value(0).toString();
        const std::int64_t count = query.value(1).toLongLong();
        for (auto [name, field] : {std::pair{OutboxState::Queued, &counts.queued},
                                   std::pair{OutboxState::Claimed, &counts.claimed},
                                   std::pair{OutboxState::Submitting, &counts.submitting},
                                   std::pair{OutboxState::Sent, &counts.sent},
                                   std::pair{OutboxState::Failed, &counts.failed},
                                   std::pair{OutboxState::Excluded, &counts.excluded},
                                   std::pair{OutboxState::Skipped, &counts.skipped},
                                   std::pair{OutboxState::Unknown, &counts.unknown}})
            if (state == QLatin1String(name))
                *field = count;
    }
    return counts;
}

std::vector<OutboxEntry> OutboxDatabase::entries()
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, number, state, result, port, claimed_by, attempts, "
                                 "delivery, delivered_at FROM outbox ORDER BY id"));
    run(query, QStringLiteral("listing"));
    std::vector<OutboxEntry> entries;
    while (query.next())
        entries.push_back(
            {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
             query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
             query.value(6).toInt(), query.value(7).toString(), query.value(8).toLongLong()});
    return entries;
}

bool OutboxDatabase::setDelivery(std::int64_t id, const QString& instance, const QString& delivery,
                                 bool delivered)
{
    QSqlQuery& query = prepared(OutboxSql::setDelivery(m_address.kind));
    query.bindValue(QStringLiteral(":delivery"), delivery);
    query.bindValue(QStringLiteral(":delivered"), delivered ? 1 : 0);
    query.bindValue(QStringLiteral(":id"), qint64(id));
    query.bindValue(QStringLiteral(":instance"), instance);
    run(query, QStringLiteral("delivery"));
    return query.numRowsAffected() == 1;
}

void OutboxDatabase::addReply(const OutboxReply& reply)
{
    // A reply comes from "+44..." to a row that may be written "44...", or the other way.
    const QString number = reply.number.trimmed();
    const QString otherForm = number.startsWith(u'+') ? number.mid(1) : u'+' + number;
    QSqlQuery& query = prepared(OutboxSql::insertReply());
    query.bindValue(QStringLiteral(":number"), notNull(reply.number));
    query.bindValue(QStringLiteral(":text"), notNull(reply.text));
    query.bindValue(QStringLiteral(":receivedAt"), qint64(reply.receivedAt));
    query.bindValue(QStringLiteral(":port"), reply.port);
    query.bindValue(QStringLiteral(":instance"), reply.instance);
    query.bindValue(QStringLiteral(":sameNumber"), number);
    query.bindValue(QStringLiteral(":otherForm"), otherForm);
    query.bindValue(QStringLiteral(":sameInstance"), reply.instance);
    query.bindValue(QStringLiteral(":samePort"), reply.port);
    // A null QString binds as NULL: rows without a key never meet in the unique index.
    query.bindValue(QStringLiteral(":key"), reply.key.isEmpty() ? QString() : reply.key);
    query.bindValue(QStringLiteral(":complete"), reply.complete ? 1 : 0);
    run(query, QStringLiteral("reply"));
}

std::vector<InboxEntry> OutboxDatabase::inboxEntries()
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, number, text, received_at, port, instance, outbox_id, "
                                 "message_key, complete FROM inbox ORDER BY id"));
    run(query, QStringLiteral("inbox"));
    std::vector<InboxEntry> entries;
    while (query.next()) {
        InboxEntry entry;
        entry.id = query.value(0).toLongLong();
        entry.reply = {query.value(1).toString(),   query.value(2).toString(),
                       query.value(3).toLongLong(), query.value(4).toString(),
                       query.value(5).toString(),   query.value(7).toString(),
                       query.value(8).toInt() != 0};
        entry.outboxId = query.value(6).toLongLong();
        entries.push_back(std::move(entry));
    }
    return entries;
}
