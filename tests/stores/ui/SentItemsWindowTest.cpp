#include "stores/DataFolder.h"
#include "stores/SentItemStore.h"
#include "stores/SentItemsModel.h"
#include "stores/StoreHooks.h"
#include "stores/ui/SentItems.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>

namespace {

class SentItemsWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 1; i <= 5; ++i)
            ASSERT_TRUE(store.Append(QString::number(i), "m" + QString::number(i),
                                     "Message sent successfully.", QDate(2026, 3, 4)));
        window.show();
        settle();
    }
    void settle()
    {
        while (window.isBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::processEvents();
    }
    void select(std::initializer_list<int> rows)
    {
        QItemSelectionModel* selection = window.list()->selectionModel();
        selection->clearSelection();
        for (const int row : rows)
            selection->select(window.list()->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    SentItemStore store{data};
    ScriptedPrompter prompter;
    CSent_Items window{store, &prompter};
};

TEST_F(SentItemsWindowTest, OpensLoadedWithTheFirstRowSelectedAndItsDetails)
{
    EXPECT_EQ(window.totalItemsText(), "Total Items : 5");
    EXPECT_EQ(window.selectedItemsText(), "Selected Items : 1");
    EXPECT_EQ(window.detailsText(), "Number\t:  1\n\nMessage\t:  m1\n\nDate\t:  04/03/2026\n\n"
                                    "Status\t:  Message sent successfully.");
    select({0, 2});
    EXPECT_EQ(window.selectedItemsText(), "Selected Items : 2");
    EXPECT_EQ(window.detailsText(), "");
}

TEST_F(SentItemsWindowTest, AWholeNumberShowsAndTheMessageTakesTheFreeWidth)
{
    const QTableView* list = window.list();
    const QHeaderView* header = list->horizontalHeader();
    EXPECT_GT(header->sectionSize(SentItemsModel::NumberColumn),
              list->fontMetrics().horizontalAdvance("+447700900123456"));
    const auto rightEdge = [&] {
        const int last = SentItemsModel::ColumnCount - 1; // "Delivery"
        return header->sectionViewportPosition(last) + header->sectionSize(last);
    };
    EXPECT_EQ(rightEdge(), list->viewport()->width()); // every column in view, nothing left over
    const int message = header->sectionSize(SentItemsModel::MessageColumn);
    window.resize(window.width() + 200, window.height());
    QApplication::processEvents();
    EXPECT_GT(header->sectionSize(SentItemsModel::MessageColumn), message);
    EXPECT_EQ(rightEdge(), list->viewport()->width());
}

TEST_F(SentItemsWindowTest, ClearSelectedThenCloseRewritesTheFileAndEscapeDoesNotClose)
{
    select({1, 3});
    window.onClearSelected();
    settle();
    EXPECT_EQ(window.totalItemsText(), "Total Items : 3");
    window.reject();
    EXPECT_TRUE(window.isVisible());
    window.onClose();
    EXPECT_FALSE(window.isVisible());
    std::vector<SentItem> records;
    ASSERT_TRUE(store.Load(records));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].number, "1");
    EXPECT_EQ(records[1].number, "3");
    EXPECT_EQ(records[2].number, "5");
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(SentItemsWindowTest, TheContextMenuHandsSelectedRowsToTheComposer)
{
    QAction* entry = window.contextMenu()->actions().first();
    EXPECT_EQ(entry->text(), "Send selected items to SMS Composer.");
    EXPECT_FALSE(entry->isEnabled());
    std::vector<SentItem> handed;
    window.setComposerHandler([&](const std::vector<SentItem>& rows) {
        handed = rows;
        return ComposerInsertResult::ListGrew;
    });
    ASSERT_TRUE(entry->isEnabled());
    select({4, 2});
    entry->trigger();
    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[0].number, "3");
    EXPECT_EQ(handed[1].number, "5");
    EXPECT_EQ(prompter.shown().last().text,
              "Selected sent items inserted in SMS Composer successfully.");
    EXPECT_EQ(window.selectedItemsText(), "Selected Items : 0");
}

// The column comes from the sending side in the background; "Read Delivery Reports" asks it
// to read the modems, then shows the column again and says what was read.
class FakeDeliveries : public SentItemsDeliveries
{
public:
    std::vector<QString> deliveryTexts(const std::vector<SentItem>& records) override
    {
        std::vector<QString> texts(records.size());
        texts[1] = read ? "Delivered" : "Pending";
        return texts;
    }
    DeliveryReadSummary readReports() override
    {
        read = true;
        return {2, 1, {"COM4: No modem"}};
    }
    std::atomic<bool> read = false;
};

TEST(SentItemsDeliveryWindowTest, ReadDeliveryReportsRefreshesTheColumn)
{
    QTemporaryDir dir;
    DataFolder data{dir.path()};
    SentItemStore store{data};
    for (const char* number : {"1", "2"})
        ASSERT_TRUE(store.Append(number, "m", "Message sent successfully.", QDate(2026, 3, 4)));
    ScriptedPrompter prompter;
    FakeDeliveries deliveries;
    CSent_Items window{store, &prompter};
    window.setDeliveries(&deliveries);
    const auto settle = [&] {
        while (window.isBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::processEvents();
    };
    window.show();
    settle();
    const QAbstractItemModel& model = *window.list()->model();
    const auto cell = [&](int row) {
        return model.data(model.index(row, SentItemsModel::DeliveryColumn)).toString();
    };
    EXPECT_EQ(model.headerData(SentItemsModel::DeliveryColumn, Qt::Horizontal).toString(),
              "Delivery");
    EXPECT_EQ(cell(0), "");
    EXPECT_EQ(cell(1), "Pending");

    window.onReadDeliveryReports();
    settle();
    EXPECT_TRUE(deliveries.read);
    EXPECT_EQ(cell(1), "Delivered");
    ASSERT_FALSE(prompter.shown().isEmpty());
    EXPECT_EQ(prompter.shown().last().text,
              "Delivery reports read: 1 from 2 device(s).\n\nNot read:\nCOM4: No modem");
    window.onClose();
}

} // namespace
