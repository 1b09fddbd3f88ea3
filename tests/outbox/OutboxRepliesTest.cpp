#include "outbox/OutboxReplies.h"

#include <gtest/gtest.h>

// The messages an instance writes into the inbox table: one part at once, a long one joined
// when its last part came, a copy of a part already taken never twice.

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

TEST(OutboxRepliesTest, PartsBecomeWholeMessagesOnce)
{
    OutboxReplies replies("host:1");
    const std::optional<OutboxReply> stop = replies.add(part("+447700900001", "STOP"));
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->number, "+447700900001");
    EXPECT_EQ(stop->text, "STOP");
    EXPECT_EQ(stop->port, "COM2");
    EXPECT_EQ(stop->instance, "host:1");
    EXPECT_EQ(stop->receivedAt, 1800000101);
    EXPECT_FALSE(replies.add(part("+447700900001", "STOP"))); // read again before its deletion

    // Parts in any order, and another sender's long message with the same reference between.
    EXPECT_FALSE(replies.add(part("+447700900002", "world", 7, 3, 3)));
    EXPECT_FALSE(replies.add(part("+447700900003", "other ", 7, 2, 1)));
    EXPECT_FALSE(replies.add(part("+447700900002", "hello ", 7, 3, 1)));
    EXPECT_FALSE(replies.add(part("+447700900002", "hello ", 7, 3, 1)));
    EXPECT_EQ(replies.waiting(), 2);
    const std::optional<OutboxReply> joined = replies.add(part("+447700900002", "big ", 7, 3, 2));
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->text, "hello big world");
    EXPECT_EQ(joined->receivedAt, 1800000102); // its last part's
    EXPECT_EQ(replies.waiting(), 1);
}

} // namespace
