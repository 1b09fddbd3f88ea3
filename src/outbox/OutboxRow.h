#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// The states of an outbox row. A row is claimed with a lease; its state turns to submitting
// just before the first part goes to the modem, so a row whose instance died there is never
// sent again by itself.
namespace OutboxState {
inline constexpr char Queued[] = "queued";
inline constexpr char Claimed[] = "claimed";
inline constexpr char Submitting[] = "submitting";
inline constexpr char Sent[] = "sent";
inline constexpr char Failed[] = "failed";
inline constexpr char Excluded[] = "excluded";
inline constexpr char Skipped[] = "skipped";
inline constexpr char Unknown[] = "unknown";
} // namespace OutboxState

// One message to send, as other software or "quillon-cli enqueue" inserts it.
struct OutboxMessage
{
    QString number;
    QString text;
    bool flash = false;
    bool unicode = false;
    QString campaign;
    int priority = 0;           // higher first
    std::int64_t notBefore = 0; // seconds since 1970 (UTC); 0: at once
};

// A row claimed by this instance.
struct OutboxRow
{
    std::int64_t id = 0;
    OutboxMessage message;
    int attempts = 0;
};

// How a claimed row ended.
struct OutboxOutcome
{
    QString state; // one of OutboxState's final states, or Queued to give the row back
    QString result;
    QString port;
    QString references; // the modem's message references, comma-separated
};

// The row counts of each state.
struct OutboxCounts
{
    std::int64_t queued = 0, claimed = 0, submitting = 0, sent = 0, failed = 0, excluded = 0,
                 skipped = 0, unknown = 0;
    // Rows still to be finished by some instance.
    std::int64_t open() const { return queued + claimed + submitting; }
};

// A row as the outbox listing shows it.
struct OutboxEntry
{
    std::int64_t id = 0;
    QString number, state, result, port, claimedBy;
    int attempts = 0;
    QString delivery; // "Pending", "Delivered", "Not delivered: ..."; empty without reports
    std::int64_t deliveredAt = 0; // seconds since 1970; 0 until delivered
};

// A message one of an instance's modems received.
struct OutboxReply
{
    QString number; // the sender
    QString text;
    std::int64_t receivedAt = 0; // seconds since 1970 (UTC)
    QString port;                // "COM3"
    QString instance;
    // Names the message in the inbox table, as the local inbox names it: a copy of it taken
    // again (after a restart) finds its row. Empty: no such name, every copy is a row.
    QString key;
    // False for a long message still missing parts when its time-out passed: its text holds a
    // mark for each missing one, and the row is made whole when they come.
    bool complete = true;
};

// A row of the inbox table as the listing shows it.
struct InboxEntry
{
    OutboxReply reply;
    std::int64_t id = 0;
    std::int64_t outboxId = 0; // the row last sent to the number; 0 when there is none
};
