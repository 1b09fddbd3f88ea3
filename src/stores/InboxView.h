#pragma once

#include "stores/InboxAssembly.h"
#include "stores/SentItem.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <optional>
#include <vector>

class Clock;

// One line of the inbox window.
struct InboxRow
{
    InboxMessage message;
    bool unread = false;
    // The last sent item to the sender, "04/03/2026: <message>"; empty when there is none.
    QString repliesTo;

    bool operator==(const InboxRow& other) const
    {
        return message.sender == other.message.sender && message.text == other.message.text &&
               message.receivedAt == other.message.receivedAt && unread == other.unread &&
               repliesTo == other.repliesTo;
    }
};

// What makes a message read: its key among the read marks, or (from an earlier version) a
// received time no later than seenUntil.
struct InboxReadState
{
    QSet<QString> keys;
    QDateTime seenUntil;

    bool isRead(const InboxMessage& message) const;
};

// The days a date filter lets through, both ends included; no filter when unset.
struct InboxDateFilter
{
    std::optional<QDate> from;
    std::optional<QDate> to;

    bool admits(const QDateTime& received) const;
};

// The inbox window's lines, newest first: the messages the parts make (see assembleInbox),
// those not read marked unread, each linked to the last sent item (log
// order) whose number is the sender's, with or without the leading "+".
std::vector<InboxRow> inboxRows(const std::vector<InboxPart>& parts,
                                const std::vector<SentItem>& sent, const InboxReadState& read,
                                const InboxDateFilter& filter, const QDateTime& now,
                                const Clock& clock);
