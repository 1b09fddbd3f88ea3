#include "outbox/OutboxReplyQueue.h"

#include "outbox/OutboxError.h"

#include <gtest/gtest.h>

// Messages whose insert failed wait, in order, for the next write; the oldest give way past
// the limit.

namespace {

OutboxReply reply(const QString& text)
{
    return {"+447700900001", text, 1800000000, "COM1", "a", text, true};
}

TEST(OutboxReplyQueueTest, AFailedInsertIsTriedAgainInOrderAtTheNextWrite)
{
    OutboxReplyQueue queue(3);
    bool down = true;
    QStringList inserted;
    const auto insert = [&](const OutboxReply& r) {
        if (down)
            throw OutboxError(OutboxError::Kind::Connection, "gone");
        inserted << r.text;
    };

    OutboxReplyQueue::Outcome outcome = queue.write({reply("one")}, insert);
    EXPECT_EQ(outcome.error, "gone");
    outcome = queue.write({reply("two"), reply("three")}, insert);
    EXPECT_TRUE(outcome.dropped.empty());
    EXPECT_EQ(queue.waiting(), 3u);
    outcome = queue.write({reply("four")}, insert); // no room for "one" any more
    ASSERT_EQ(outcome.dropped.size(), 1u);
    EXPECT_EQ(outcome.dropped[0].text, "one");
    EXPECT_TRUE(inserted.isEmpty());

    down = false;
    outcome = queue.write({}, insert); // as serve does at its end
    EXPECT_TRUE(outcome.error.isEmpty());
    EXPECT_EQ(inserted, QStringList({"two", "three", "four"}));
    EXPECT_EQ(queue.waiting(), 0u);
}

} // namespace
