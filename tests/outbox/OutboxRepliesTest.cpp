#include "outbox/OutboxReplies.h"

#include "base/Clock.h"
#include "stores/InboxAssembly.h"

#include <gtest/gtest.h>

// The messages an instance writes into the inbox table: one part at once, a long one joined
// when its last part came or incomplete after the time-out, a copy of a part already taken
// never twice, each named as the local inbox names it, also after a restart.

namespace {

InboxPart part(const QString& sender, const QString& text, int reference = -1, int count = 1,
               int number = 1, const QString& port = "COM2")
{
    InboxPart p;
    p.port = port;
    p.sender = sender;
    p.serviceCentreTime = QDateTime::fromSecsSinceEpoch(1800000000 + number);
    p.receivedAt = QDateTime::fromSecsSinceEpoch(1800000100 + number);
    p.reference = reference;
    p.partCount = count;
    p.part = number;
    p.text = text;
    return p;
}

// The key the inbox window gives the message of these parts (stored in this order).
QString windowKey(const std::vector<InboxPart>& parts)
{
    const InboxAssembly assembly =
        assembleInbox(parts, QDateTime::fromSecsSinceEpoch(1900000000), Clock::system());
    EXPECT_EQ(assembly.messages.size(), 1u);
    return assembly.messages.empty() ? QString() : assembly.messages.front().key;
}

TEST(OutboxRepliesTest, PartsBecomeWholeMessagesOnce)
{
    OutboxReplies replies("host:1");
    const std::vector<OutboxReply> stop = replies.add(part("+447700900001", "STOP"));
    ASSERT_EQ(stop.size(), 1u);
    EXPECT_EQ(stop[0].number, "+447700900001");
    EXPECT_EQ(stop[0].text, "STOP");
    EXPECT_EQ(stop[0].port, "COM2");
    EXPECT_EQ(stop[0].instance, "host:1");
    EXPECT_EQ(stop[0].receivedAt, 1800000101);
    EXPECT_TRUE(stop[0].complete);
    EXPECT_TRUE(replies.add(part("+447700900001", "STOP")).empty()); // read again meanwhile

    // Parts in any order, and another sender's long message with the same reference between.
    EXPECT_TRUE(replies.add(part("+447700900002", "world", 7, 3, 3)).empty());
    EXPECT_TRUE(replies.add(part("+447700900003", "other ", 7, 2, 1)).empty());
    EXPECT_TRUE(replies.add(part("+447700900002", "hello ", 7, 3, 1)).empty());
    EXPECT_TRUE(replies.add(part("+447700900002", "hello ", 7, 3, 1)).empty());
    EXPECT_EQ(replies.waiting(), 2);
    const std::vector<OutboxReply> joined = replies.add(part("+447700900002", "big ", 7, 3, 2));
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0].text, "hello big world");
    EXPECT_EQ(joined[0].receivedAt, 1800000103); // its latest part's, as the inbox shows it
    EXPECT_TRUE(joined[0].complete);
    EXPECT_EQ(replies.waiting(), 1);
}

TEST(OutboxRepliesTest, EachMessageCarriesTheLocalInboxKey)
{
    const InboxPart first = part("+447700900002", "hello ", 9, 2, 1);
    const InboxPart second = part("+447700900002", "world", 9, 2, 2);
    const std::vector<std::vector<InboxPart>> cases{
        {part("+447700900001", "STOP")},
        {first, second},
        {second, first}, // named by the part stored first, not by part 1
    };
    for (const std::vector<InboxPart>& parts : cases) {
        OutboxReplies replies("host:1");
        std::vector<OutboxReply> out;
        for (const InboxPart& each : parts)
            for (OutboxReply& reply : replies.add(each))
                out.push_back(reply);
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(out[0].key, windowKey(parts));
        EXPECT_EQ(out[0].key.size(), 40); // SHA-1 in hex
    }
}

TEST(OutboxRepliesTest, ALongMessageMissingAPartGoesIncompleteAfterTheTimeOutThenWhole)
{
    const Clock clock(1000); // the hour's time-out passes in 3.6 s
    const InboxPart late = part("+447700900002", "world", 5, 2, 2);
    const QDateTime received = part("", "").receivedAt;
    OutboxReplies replies("host:1");
    EXPECT_TRUE(replies.add(part("+447700900002", "hello ", 5, 2, 1)).empty());
    EXPECT_TRUE(replies.add(part("+447700900003", "never ", 6, 2, 1)).empty());
    EXPECT_TRUE(replies.overdue(received.addSecs(3), clock).empty());

    std::vector<OutboxReply> overdue = replies.overdue(received.addSecs(4), clock);
    ASSERT_EQ(overdue.size(), 2u);
    if (overdue[0].number != late.sender)
        std::swap(overdue[0], overdue[1]);
    EXPECT_EQ(overdue[0].text, "hello " + MissingPartMark);
    EXPECT_EQ(overdue[1].text, "never " + MissingPartMark);
    EXPECT_FALSE(overdue[0].complete || overdue[1].complete);
    EXPECT_TRUE(replies.overdue(received.addSecs(60), clock).empty()); // handed out once

    const std::vector<OutboxReply> whole = replies.add(late);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].text, "hello world");
    EXPECT_TRUE(whole[0].complete);
    EXPECT_EQ(whole[0].key, overdue[0].key); // the same row, made whole
    EXPECT_EQ(replies.waiting(), 1);
}

// A restarted instance knows the parts its local inbox stored before: a part the modem gives
// again, or a missing one, makes the message the store names.
TEST(OutboxRepliesTest, PartsStoredBeforeARestartJoinTheirMessages)
{
    const InboxPart a1 = part("+447700900002", "all ", 3, 2, 1);
    const InboxPart a2 = part("+447700900002", "there", 3, 2, 2);
    const InboxPart b2 = part("+447700900004", "second", 4, 2, 2);
    const InboxPart b1 = part("+447700900004", "first ", 4, 2, 1);
    const InboxPart c1 = part("+447700900005", "gone ", 8, 2, 1);
    OutboxReplies replies("host:2");
    replies.seed({a1, a2, b2, c1, part("+447700900001", "STOP")});
    EXPECT_EQ(replies.waiting(), 2);

    const std::vector<OutboxReply> again = replies.add(a2); // deleted from the modem too late
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].text, "all there");
    EXPECT_EQ(again[0].key, windowKey({a1, a2}));
    const std::vector<OutboxReply> completed = replies.add(b1);
    ASSERT_EQ(completed.size(), 1u);
    EXPECT_EQ(completed[0].text, "first second");
    EXPECT_EQ(completed[0].key, windowKey({b2, b1}));
    EXPECT_EQ(replies.add(part("+447700900001", "STOP")).size(), 1u); // its row may be missing
    // What waited before the start is not handed out again by itself.
    EXPECT_TRUE(
        replies.overdue(QDateTime::fromSecsSinceEpoch(1900000000), Clock::system()).empty());
}

} // namespace
