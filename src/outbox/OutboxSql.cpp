#include "outbox/OutboxSql.h"

namespace OutboxSql {

namespace {

bool postgres(OutboxAddress::Kind kind)
{
    return kind == OutboxAddress::Kind::Postgresql;
}

QString withNow(QString statement, OutboxAddress::Kind kind)
{
    return statement.replace(QStringLiteral("{now}"), now(kind));
}

} // namespace

QString now(OutboxAddress::Kind kind)
{
    return postgres(kind) ? QStringLiteral("CAST(EXTRACT(EPOCH FROM now()) AS BIGINT)")
                          : QStringLiteral("CAST(strftime('%s','now') AS INTEGER)");
}

QStringList createSchema(OutboxAddress::Kind kind)
{
    const QString key = postgres(kind) ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                                       : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    const QString stamp = QStringLiteral("BIGINT NOT NULL DEFAULT (") + now(kind) + u')';
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS campaigns (id %1, name TEXT NOT NULL UNIQUE, "
                       "created_at %2)")
            .arg(key, stamp),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS outbox (id %1, number TEXT NOT NULL, text TEXT NOT NULL, "
            "flash INTEGER NOT NULL DEFAULT 0, unicode INTEGER NOT NULL DEFAULT 0, "
            "campaign TEXT NOT NULL DEFAULT '', priority INTEGER NOT NULL DEFAULT 0, "
            "not_before BIGINT NOT NULL DEFAULT 0, state TEXT NOT NULL DEFAULT 'queued', "
            "claimed_by TEXT, lease_until BIGINT, attempts INTEGER NOT NULL DEFAULT 0, "
            "result TEXT, sent_at BIGINT, port TEXT, message_references TEXT, delivery TEXT, "
            "delivered_at BIGINT, created_at %2)")
            .arg(key, stamp),
        QStringLiteral("CREATE INDEX IF NOT EXISTS outbox_due ON outbox (state, priority, id)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS outbox_leases ON outbox (claimed_by)"),
        // A reply looks up the rows sent to its number.
        QStringLiteral("CREATE INDEX IF NOT EXISTS outbox_number ON outbox (number)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS inbox (id %1, number TEXT NOT NULL, "
                       "text TEXT NOT NULL, received_at BIGINT, port TEXT, read_by TEXT, "
                       "created_at %2, instance TEXT, outbox_id BIGINT, message_key TEXT, "
                       "complete INTEGER NOT NULL DEFAULT 1)")
            .arg(key, stamp),
        // A message taken again finds its row; rows without a key are all kept.
        QStringLiteral(
            "CREATE UNIQUE INDEX IF NOT EXISTS inbox_message_key ON inbox (message_key)"),
    };
}

QStringList upgradeFrom(int version)
{
    switch (version) {
    case 1: // delivery times, which instance took a reply to which row, the replies' names
        return {QStringLiteral("ALTER TABLE outbox ADD COLUMN delivered_at BIGINT"),
                QStringLiteral("ALTER TABLE inbox ADD COLUMN instance TEXT"),
                QStringLiteral("ALTER TABLE inbox ADD COLUMN outbox_id BIGINT"),
                QStringLiteral("ALTER TABLE inbox ADD COLUMN message_key TEXT"),
                QStringLiteral("ALTER TABLE inbox ADD COLUMN complete INTEGER NOT NULL DEFAULT 1")};
    default:
        return {};
    }
}

QString claim(OutboxAddress::Kind kind)
{
    // One statement: the rows picked are the rows leased, also with several instances.
    return withNow(
        QStringLiteral(
            "UPDATE outbox SET state = 'claimed', claimed_by = :instance, "
            "lease_until = {now} + :lease, attempts = attempts + 1 WHERE id IN (SELECT id FROM "
            "outbox WHERE state = 'queued' AND not_before <= {now} ORDER BY priority DESC, id "
            "LIMIT :limit%1) RETURNING id, number, text, flash, unicode, campaign, priority, "
            "not_before, attempts")
            .arg(postgres(kind) ? QStringLiteral(" FOR UPDATE SKIP LOCKED") : QString()),
        kind);
}

QString markSubmitting(OutboxAddress::Kind kind)
{
    return withNow(QStringLiteral("UPDATE outbox SET state = 'submitting' WHERE id = :id AND "
                                  "claimed_by = :instance AND state IN ('claimed', 'submitting') "
                                  "AND lease_until >= {now}"),
                   kind);
}

QString finish(OutboxAddress::Kind kind)
{
    return withNow(QStringLiteral("UPDATE outbox SET state = :state, result = :result, port = "
                                  ":port, message_references = :refs, sent_at = CASE WHEN :sent "
                                  "= 1 THEN {now} ELSE NULL END, lease_until = NULL WHERE id = "
                                  ":id AND claimed_by = :instance AND state IN ('claimed', "
                                  "'submitting')"),
                   kind);
}

QString giveBack()
{
    return QStringLiteral("UPDATE outbox SET state = 'queued', claimed_by = NULL, lease_until = "
                          "NULL WHERE id = :id AND claimed_by = :instance AND state = 'claimed'");
}

QString renewLeases(OutboxAddress::Kind kind)
{
    return withNow(QStringLiteral("UPDATE outbox SET lease_until = {now} + :lease WHERE "
                                  "claimed_by = :instance AND state IN ('claimed', 'submitting')"),
                   kind);
}

QString expireSubmitting(OutboxAddress::Kind kind)
{
    return withNow(QStringLiteral("UPDATE outbox SET state = 'unknown', result = :result, "
                                  "lease_until = NULL WHERE state = 'submitting' AND lease_until "
                                  "< {now}"),
                   kind);
}

QString expireClaimed(OutboxAddress::Kind kind)
{
    return withNow(QStringLiteral("UPDATE outbox SET state = 'queued', claimed_by = NULL, "
                                  "lease_until = NULL WHERE state = 'claimed' AND lease_until < "
                                  "{now}"),
                   kind);
}

QString insertMessage()
{
    return QStringLiteral("INSERT INTO outbox (number, text, flash, unicode, campaign, priority, "
                          "not_before) VALUES (:number, :text, :flash, :unicode, :campaign, "
                          ":priority, :notBefore)");
}

QString insertCampaign(OutboxAddress::Kind)
{
    return QStringLiteral("INSERT INTO campaigns (name) VALUES (:name) ON CONFLICT (name) DO "
                          "NOTHING");
}

QString counts()
{
    return QStringLiteral("SELECT state, COUNT(*) FROM outbox GROUP BY state");
}

QString countsOfInstance()
{
    return QStringLiteral(
        "SELECT state, COUNT(*) FROM outbox WHERE claimed_by = :instance GROUP BY state");
}

QString setDelivery(OutboxAddress::Kind kind)
{
    return withNow(QStringLiteral("UPDATE outbox SET delivery = :delivery, delivered_at = CASE "
                                  "WHEN :delivered = 1 THEN {now} ELSE NULL END WHERE id = :id "
                                  "AND claimed_by = :instance AND state = 'sent'"),
                   kind);
}

QString insertReply()
{
    // A message already there stays as it is, unless it was missing parts and now is whole.
    return QStringLiteral(
        "INSERT INTO inbox (number, text, received_at, port, instance, outbox_id, message_key, "
        "complete) VALUES (:number, :text, :receivedAt, :port, :instance, (SELECT id FROM "
        "outbox WHERE state = 'sent' AND number IN (:sameNumber, :otherForm) ORDER BY CASE "
        "WHEN claimed_by = :sameInstance AND port = :samePort THEN 0 ELSE 1 END, sent_at DESC, "
        "id DESC LIMIT 1), :key, :complete) ON CONFLICT (message_key) DO UPDATE SET text = "
        "excluded.text, received_at = excluded.received_at, complete = 1 WHERE inbox.complete "
        "= 0 AND excluded.complete = 1");
}

} // namespace OutboxSql
