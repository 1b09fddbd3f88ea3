#pragma once

#include "stores/InboxRecord.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

class Clock;

// How long the parts of a long message may keep others waiting: a message still missing a
// part this long after its last part came is shown as incomplete.
constexpr std::uint32_t MissingPartTimeoutMs = 60 * 60 * 1000;

// Stands for a part that never came, in the text of an incomplete message.
inline const QString MissingPartMark = QStringLiteral("[…]");

// A received message as the user sees it: one part, or the parts of a long one joined.
struct InboxMessage
{
    QString port;
    QString sender;
    QDateTime serviceCentreTime; // of its first part present
    QDateTime receivedAt;        // when its last part came
    InboxPart::Coding coding = InboxPart::Coding::Text;
    int partCount = 1;
    std::vector<int> missingParts; // numbers of the parts that never came, ascending
    QString text;                  // MissingPartMark where a part is missing
    // Names the message for its read mark: from the part stored first, so it stays the same
    // as further parts come.
    QString key;

    bool complete() const { return missingParts.empty(); }
};

struct InboxAssembly
{
    std::vector<InboxMessage> messages; // in the order their first parts were stored
    int waiting = 0; // long messages still missing parts within the time-out: not shown yet
};

// Joins the stored parts into messages. Parts belong together when port, sender, reference
// and part count agree; they may come in any order, and a copy of a part already there is
// dropped. A part whose number its message already holds with another text starts a new
// message (the sender used the reference again). `now` is compared with the last part's
// received time through the clock, so tests can let the time-out pass at once.
InboxAssembly assembleInbox(const std::vector<InboxPart>& parts, const QDateTime& now,
                            const Clock& clock);
