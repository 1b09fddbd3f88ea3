#pragma once

#include "outbox/OutboxAddress.h"

#include <QString>
#include <QStringList>

// The statements of the outbox in the dialect of its database. Times are whole seconds since
// 1970 taken from the database's own clock, so instances on several computers agree on leases.
namespace OutboxSql {

inline constexpr int SchemaVersion = 2;

// The database's clock, as an SQL expression.
QString now(OutboxAddress::Kind kind);
// The tables of the current schema, created when missing.
QStringList createSchema(OutboxAddress::Kind kind);
// What turns an outbox of schema `version` into one of version + 1; empty past the current one.
QStringList upgradeFrom(int version);

// Claims up to :limit queued rows due now for :instance, leased for :lease seconds, returning
// them (id, number, text, flash, unicode, campaign, priority, not_before, attempts).
QString claim(OutboxAddress::Kind kind);
// Turns a claimed row to submitting while this instance still holds its lease.
QString markSubmitting(OutboxAddress::Kind kind);
QString finish(OutboxAddress::Kind kind);
QString giveBack();
QString renewLeases(OutboxAddress::Kind kind);
// Rows whose lease ran out: submitting ones become unknown, claimed ones queued again.
QString expireSubmitting(OutboxAddress::Kind kind);
QString expireClaimed(OutboxAddress::Kind kind);
QString insertMessage();
QString insertCampaign(OutboxAddress::Kind kind);
QString counts();
QString countsOfInstance();
// A sent row's delivery state (:delivery) and, when :delivered is 1, the time it was delivered,
// for the instance that sent it.
QString setDelivery(OutboxAddress::Kind kind);
// A received message, linked to the last row sent to its number (:number or :otherForm), the
// rows the same instance sent through the same port first. A message of the same :key is kept
// as it is, unless it was incomplete and this one is complete: it then takes this text.
QString insertReply();

} // namespace OutboxSql
