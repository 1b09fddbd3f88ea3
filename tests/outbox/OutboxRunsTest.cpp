#include "outbox/OutboxRuns.h"

#include "sending/QueueRow.h"

#include <gtest/gtest.h>

namespace {

OutboxRow row(std::int64_t id, const char* number, const QString& text, bool flash = false,
              bool unicode = false)
{
    return {id, {number, text, flash, unicode, {}, 0, 0}, 1};
}

std::vector<std::int64_t> idsOf(const OutboxRun& run)
{
    std::vector<std::int64_t> ids;
    for (const OutboxRow& r : run.rows)
        ids.push_back(r.id);
    return ids;
}

TEST(OutboxRunsTest, OneRunPerKindAndNoRepeatedNumberAndTextWithinARun)
{
    const std::vector<OutboxRun> runs =
        SplitIntoRuns({row(1, "+1", "a"), row(2, "+2", "a"), row(3, "+1", "a"), row(4, "+1", "b"),
                       row(5, "+3", "a", true), row(6, "+4", "a", false, true),
                       row(7, "+5", QString::fromUtf8("caf\u00e9 \u2013 ok")), row(8, "+1", "a")});
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(idsOf(runs[0]), (std::vector<std::int64_t>{1, 2, 4}));
    EXPECT_EQ(idsOf(runs[1]), (std::vector<std::int64_t>{3}));
    EXPECT_EQ(idsOf(runs[2]), (std::vector<std::int64_t>{5}));
    EXPECT_TRUE(runs[2].flash);
    // An en dash has no GSM character: the row goes as Unicode with the Unicode row.
    EXPECT_EQ(idsOf(runs[3]), (std::vector<std::int64_t>{6, 7}));
    EXPECT_TRUE(runs[3].unicode);
    EXPECT_EQ(idsOf(runs[4]), (std::vector<std::int64_t>{8}));
}

QueueRow queueRow(const char* status, const char* port = "3")
{
    QueueRow r;
    r[NumberColumn] = "+1";
    r[UsePortColumn] = port;
    r[StatusColumn] = status;
    return r;
}

TEST(OutboxRunsTest, RowStatusesBecomeOutboxStates)
{
    struct Case
    {
        const char* status;
        bool began;
        const char* state;
    };
    for (const Case& c :
         {Case{"Message sent successfully.", true, OutboxState::Sent},
          Case{"Error : Network timeout", true, OutboxState::Failed},
          Case{"Excluded.", false, OutboxState::Excluded},
          Case{"Skipped.", false, OutboxState::Skipped},
          Case{"Stopped", true, OutboxState::Unknown}, Case{"Stopped", false, OutboxState::Queued},
          Case{"", false, OutboxState::Queued}}) {
        const OutboxOutcome outcome = OutcomeOfRow(queueRow(c.status), c.began, "7,8");
        EXPECT_EQ(outcome.state, c.state) << c.status << ' ' << c.began;
        if (outcome.state != QLatin1String(OutboxState::Queued)) {
            EXPECT_EQ(outcome.result, c.status);
            EXPECT_EQ(outcome.port, "COM3");
        }
    }
}

} // namespace
