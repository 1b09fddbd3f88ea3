#include "sending/RowPredicates.h"

#include <gtest/gtest.h>

namespace {

QueueRow row(const char* useStatus, const char* currentStatus, const char* status,
             const char* usePort = "", const char* sentItem = "")
{
    QueueRow r;
    r[NumberColumn] = QStringLiteral("0700");
    r[UsePortColumn] = QString::fromUtf8(usePort);
    r[UseStatusColumn] = QString::fromUtf8(useStatus);
    r[CurrentStatusColumn] = QString::fromUtf8(currentStatus);
    r[StatusColumn] = QString::fromUtf8(status);
    r[RetryColumn] = QStringLiteral("0");
    r[SentItemColumn] = QString::fromUtf8(sentItem);
    return r;
}

TEST(RowPredicatesTest, PendingWaitingBusyAndFailedFollowTheirOwnKindOfTest)
{
    const struct
    {
        QueueRow row;
        bool pending, waiting, busy, failed;
        const char* what;
    } cases[] = {
        {row("Wait to dispatch...", "Wait to dispatch...", ""), true, true, true, false, "fresh"},
        {row("Wait to dispatch...(Retry)", "Wait to dispatch...(Retry)", "Error : +CMS ERROR: 38"),
         true, true, true, true, "put into a retry round"},
        {row("Sending...", "Sending (COM3 - Modem)", "", "3"), true, false, true, false, "claimed"},
        {row("Sending...", "Sending (COM3 - Modem)", "Error : x", "3"), true, false, true, true,
         "claimed again in a retry round"},
        // A failure marked for the next round waits for that round, not for this pass.
        {row("Done", "Wait to dispatch...(Retry)", "Error : +CMS ERROR: 500", "3"), false, true,
         true, true, "failed, retried next round"},
        {row("Done", "Done (COM3 - Modem)", "Message sent successfully.", "3"), false, false, false,
         false, "sent"},
        {row("Done", "Done (COM3 - Modem)", "Excluded.", "3"), false, false, false, false,
         "excluded"},
        {row("Stopped", "Stopped", "Stopped", "3"), false, false, false, false, "stopped"},
        {row("Save", "Stopped", "Error : x"), false, false, false, true, "saved by the sweep"},
        // The pending rule compares "Sending..." whole when there is no outcome.
        {row("Sending", "Sending (COM3 - Modem)", "", "3"), false, false, true, false,
         "a word that only contains Sending"},
        // Emptiness is tested on trimmed cells.
        {row("Wait to dispatch...", "Wait to dispatch...", "  "), true, true, true, false,
         "blank status"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowPredicates::IsPending(c.row), c.pending) << c.what;
        EXPECT_EQ(RowPredicates::IsWaiting(c.row), c.waiting) << c.what;
        EXPECT_EQ(RowPredicates::IsBusy(c.row), c.busy) << c.what;
        EXPECT_EQ(RowPredicates::IsFailed(c.row), c.failed) << c.what;
    }
}

TEST(RowPredicatesTest, LoggingTakesOnlyRealOutcomesOnce)
{
    const struct
    {
        const char* status;
        const char* sentItem;
        bool logged, loggable;
    } cases[] = {
        {"Message sent successfully.", "", false, true},
        {"Error : +CMS ERROR: 38", "", false, true},
        {"Message sent successfully.", "1", true, true},
        {"Stopped", "", false, false},
        {"Skipped.", "", false, false},
        {"Excluded.", "", false, false},
        {"", "", false, false},
        {" ", "", false, false},
    };
    for (const auto& c : cases) {
        const QueueRow r = row("Done", "Done (COM1 - M)", c.status, "1", c.sentItem);
        EXPECT_EQ(RowPredicates::IsLogged(r), c.logged) << c.status;
        EXPECT_EQ(RowPredicates::HasLoggableStatus(r), c.loggable) << c.status;
    }
}

} // namespace
