#include "sending/StatusExport.h"

#include "sending/SendQueue.h"

#include <gtest/gtest.h>

namespace {

QueueRow outcome(const char* number, const char* status, const char* retry = "0")
{
    QueueRow row;
    row[NumberColumn] = number;
    row[MessageColumn] = "hello";
    row[CurrentStatusColumn] = "Done (COM1 - M)";
    row[StatusColumn] = status;
    row[RetryColumn] = retry;
    return row;
}

QStringList numbers(const StatusExportTable& table)
{
    QStringList result;
    for (const QStringList& row : table.rows)
        result.append(row.first());
    return result;
}

TEST(StatusExportTest, ChoiceSelectsRowsInQueueOrder)
{
    SendQueue queue;
    queue.append({outcome("1", "Message sent successfully."),
                  outcome("2", "Error : +CMS ERROR: 38"), outcome("3", "Excluded."),
                  outcome("4", "Message sent to device."), outcome("5", "Stopped"),
                  outcome("6", "Error : +CMS ERROR: 500", "2")});

    const struct
    {
        StatusChoice choice;
        const char* code;
        QStringList numbers;
    } cases[] = {
        {StatusChoice::All, "ALL", {"1", "2", "3", "4", "5", "6"}},
        {StatusChoice::Succeeded, "SUC", {"1", "4"}},
        {StatusChoice::Failed, "FAL", {"2", "6"}},
    };
    for (const auto& c : cases) {
        const StatusExportTable table = SelectStatusRows(queue, c.choice, false);
        EXPECT_EQ(table.choiceCode, c.code);
        EXPECT_EQ(numbers(table), c.numbers) << c.code;
    }
}

TEST(StatusExportTest, RetryColumnOnlyWhenRetriesAreOn)
{
    SendQueue queue;
    queue.append({outcome("6", "Error : +CMS ERROR: 500", "2")});

    const StatusExportTable without = SelectStatusRows(queue, StatusChoice::All, false);
    EXPECT_EQ(without.columns, QStringList({"Number", "Message", "Current Status", "Status"}));
    EXPECT_EQ(without.rows.first(),
              QStringList({"6", "hello", "Done (COM1 - M)", "Error : +CMS ERROR: 500"}));

    const StatusExportTable with = SelectStatusRows(queue, StatusChoice::Failed, true);
    EXPECT_EQ(with.columns.last(), "Retry");
    EXPECT_EQ(with.rows.first().last(), "2");
}

} // namespace
