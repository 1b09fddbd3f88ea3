#pragma once

#include "outbox/OutboxAddress.h"
#include "outbox/OutboxRow.h"

#include <QSqlQuery>
#include <QString>
#include <map>
#include <memory>
#include <vector>

class QSqlQuery;

// One connection to the outbox, used from the thread that opened it. Opening creates the
// schema, or checks that it is one this program knows. Every failure throws OutboxError.
class OutboxDatabase
{
public:
    explicit OutboxDatabase(const OutboxAddress& address);
    ~OutboxDatabase();
    OutboxDatabase(const OutboxDatabase&) = delete;
    OutboxDatabase& operator=(const OutboxDatabase&) = delete;

    OutboxAddress::Kind kind() const { return m_address.kind; }

    // Appends the messages in one transaction, creating their campaigns.
    void enqueue(const std::vector<OutboxMessage>& messages);

    // Leases up to `limit` due rows to `instance` for `leaseSeconds`.
    std::vector<OutboxRow> claim(const QString& instance, int limit, int leaseSeconds);
    // False when the instance no longer holds the row's lease: it must not be sent then.
    bool markSubmitting(std::int64_t id, const QString& instance);
    // False when the row was no longer this instance's.
    bool finish(std::int64_t id, const QString& instance, const OutboxOutcome& outcome);
    void renewLeases(const QString& instance, int leaseSeconds);
    // Ends the leases that ran out: rows being submitted become unknown, the others are queued
    // again. Returns how many rows were made unknown and given back.
    std::pair<int, int> expireLeases();
    OutboxCounts counts();
    // Of the rows an instance holds or last held.
    OutboxCounts counts(const QString& instance);
    // Every row, by id.
    std::vector<OutboxEntry> entries();

    // A row this instance sent: its delivery text, and whether it is delivered (the time is
    // set then). False when the row is not a sent row of the instance.
    bool setDelivery(std::int64_t id, const QString& instance, const QString& delivery,
                     bool delivered);
    // Adds a received message to the inbox table, linked to the last row sent to its number.
    // One whose key is there already changes nothing, except an incomplete row made whole.
    void addReply(const OutboxReply& reply);
    // Every received message, by id.
    std::vector<InboxEntry> inboxEntries();

private:
    void open();
    void migrate();
    void run(QSqlQuery& query, const QString& what);
    OutboxCounts countsOf(QSqlQuery& query);
    void exec(const QString& statement);
    // The statement prepared once for the connection's life.
    QSqlQuery& prepared(const QString& statement);

    OutboxAddress m_address;
    QString m_connection;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_prepared;
};
