#pragma once

#include "stores/InboxAssembly.h"
#include "stores/SentItem.h"

#include <QDate>
#include <QDateTime>
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

// The days a date filter lets through, both ends included; no filter when unset.
struct InboxDateFilter
{
    std::optional<QDate> from;
    std::optional<QDate> to;

    bool admits(const QDateTime& received) const;
};

// The inbox window's lines, newest first: the messages the parts make (see assembleInbox),
// those received after `seenUntil` marked unread, each linked to the last sent item (log
// order) whose number is the sender's, with or without the leading "+".
std::vector<InboxRow> inboxRows(const std::vector<InboxPart>& parts,
                                const std::vector<SentItem>& sent, const QDateTime& seenUntil,
                                const InboxDateFilter& filter, const QDateTime& now,
                                const Clock& clock);

// The newest received time among the rows: what the window has shown once it closes.
QDateTime newestReceived(const std::vector<InboxRow>& rows);
