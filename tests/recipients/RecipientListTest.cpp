#include "RecipientFixture.h"
#include "recipients/RecipientBatch.h"

namespace {

// What the list told its views, as "+first-last", "-first-last", "reset" and "changed f-l".
class Notifications
{
public:
    explicit Notifications(RecipientList& list)
    {
        QObject::connect(
            &list, &QAbstractItemModel::rowsInserted, &context,
            [this](auto, int f, int l) { seen.append(QString("+%1-%2").arg(f).arg(l)); });
        QObject::connect(
            &list, &QAbstractItemModel::rowsRemoved, &context,
            [this](auto, int f, int l) { seen.append(QString("-%1-%2").arg(f).arg(l)); });
        QObject::connect(&list, &QAbstractItemModel::modelReset, &context,
                         [this] { seen.append("reset"); });
        QObject::connect(&list, &QAbstractItemModel::dataChanged, &context,
                         [this](const QModelIndex& a, const QModelIndex& b) {
                             seen.append(QString("changed %1-%2").arg(a.row()).arg(b.row()));
                         });
    }
    QObject context; // ends the connections with this object
    QStringList seen;
};

using RecipientListTest = RecipientFixture;

TEST_F(RecipientListTest, ShowsNumberAndMessageColumns)
{
    fill({"111=Hello", "222="});
    EXPECT_EQ(list.columnCount(), 2);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.headerData(0, Qt::Horizontal).toString(), "Number");
    EXPECT_EQ(list.headerData(1, Qt::Horizontal).toString(), "Message");
    EXPECT_EQ(list.data(list.index(0, 0)).toString(), "111");
    EXPECT_EQ(list.data(list.index(0, 1)).toString(), "Hello");
    EXPECT_FALSE(list.data(list.index(5, 0)).isValid());
    EXPECT_EQ(list.rowCount(list.index(0, 0)), 0); // a table, not a tree
}

TEST_F(RecipientListTest, BatchGoesToTheTopInOneBlockAndCatchesItsOwnDuplicates)
{
    fill({"900", "901"});
    Notifications told(list);
    RecipientBatch batch(list);
    const NumberCheckOptions skip = options(true, false);
    for (const char* number : {"111", "900", "222", "111", "333"})
        batch.add(number, "m", skip);
    EXPECT_EQ(batch.size(), 3);
    EXPECT_EQ(list.count(), 2); // the list is untouched until the batch goes in
    InsertBatchAtTop(list, batch);
    EXPECT_EQ(numbers(), QStringList({"111", "222", "333", "900", "901"}));
    EXPECT_EQ(told.seen, QStringList({"+0-2"}));
    EXPECT_EQ(batch.size(), 0);
}

TEST_F(RecipientListTest, RemovalNotifiesRunByRunOrResetsForScatteredRows)
{
    QStringList all;
    for (int i = 0; i < 100; ++i)
        all.append(QString::number(1000 + i));
    const struct
    {
        QList<int> rows;
        bool reset;
    } cases[] = {
        {{5, 6, 7, 50, 99}, false},
        {[] {
             QList<int> even;
             for (int i = 0; i < 100; i += 2)
                 even.append(i);
             return even;
         }(),
         true},
    };
    for (const auto& c : cases) {
        fill(all);
        Notifications told(list);
        RecipientRemoval plan = list.planRemoval(c.rows);
        list.applyRemoval(std::move(plan));
        EXPECT_EQ(told.seen.contains("reset"), c.reset);
        QStringList expected = all;
        for (auto row = c.rows.crbegin(); row != c.rows.crend(); ++row)
            expected.removeAt(*row);
        EXPECT_EQ(numbers(), expected);
        for (const int row : c.rows)
            EXPECT_FALSE(list.containsNumber(all[row]));
        EXPECT_TRUE(list.containsNumber(expected.first()));
    }
}

TEST_F(RecipientListTest, StalePlanIsWorkedOutAgain)
{
    fill({"1", "2", "3"});
    RecipientRemoval plan = list.planRemoval({0});
    list.insertRecipient(0, {"0", ""});
    list.applyRemoval(std::move(plan));
    EXPECT_EQ(numbers(), QStringList({"1", "2", "3"}));
}

TEST_F(RecipientListTest, IndexFollowsEditsAndDuplicatesCount)
{
    fill({"111", "111", "222"});
    EXPECT_EQ(list.numberCount("111"), 2);
    list.setRecipient(0, {"333", "m"});
    EXPECT_EQ(list.numberCount("111"), 1);
    EXPECT_TRUE(list.containsNumber("333"));
    list.removeRecipients({1});
    EXPECT_FALSE(list.containsNumber("111"));
    list.removeRecipients({0, 1});
    EXPECT_TRUE(list.isEmpty());
    EXPECT_FALSE(list.containsNumber("222"));
}

} // namespace
