#include "stores/ui/InboxWindow.h"

#include "base/Clock.h"
#include "stores/DataFolder.h"
#include "stores/InboxStore.h"
#include "stores/SentItemStore.h"
#include "stores/StoreHooks.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFont>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class FakeReader : public InboxModemReader
{
public:
    explicit FakeReader(InboxStore& store) : m_store(store) {}
    InboxReadSummary readMessages() override
    {
        InboxPart part;
        part.port = u"COM2"_s;
        part.sender = u"+447700900003"_s;
        part.receivedAt = QDateTime::currentDateTime();
        part.text = u"new one"_s;
        m_store.Add(part);
        return {1, 1, {u"COM3: no answer"_s}};
    }

private:
    InboxStore& m_store;
};

class FakeExport : public InboxExport
{
public:
    void exportInbox(QWidget*, const QList<QStringList>& rows) override { exported = rows; }
    bool isRunning() const override { return false; }
    QList<QStringList> exported;
};

InboxPart part(const QString& sender, const QString& text, const QDateTime& received,
               int reference = -1, int count = 1, int number = 1)
{
    InboxPart p;
    p.port = u"COM1"_s;
    p.sender = sender;
    p.serviceCentreTime = received.addSecs(-5);
    p.receivedAt = received;
    p.reference = reference;
    p.partCount = count;
    p.part = number;
    p.text = text;
    return p;
}

class InboxWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QDateTime now = QDateTime::currentDateTime();
        ASSERT_EQ(inbox.Add(part(u"+447700900001"_s, u"STOP"_s, now.addDays(-3))),
                  InboxStore::AddResult::Added);
        ASSERT_EQ(inbox.Add(part(u"+447700900002"_s, u"first "_s, now.addSecs(-60), 7, 2, 1)),
                  InboxStore::AddResult::Added);
        ASSERT_EQ(inbox.Add(part(u"+447700900002"_s, u"second"_s, now.addSecs(-50), 7, 2, 2)),
                  InboxStore::AddResult::Added);
        ASSERT_TRUE(sent.Append(u"447700900001"_s, u"older offer"_s,
                                u"Message sent successfully."_s, QDate(2026, 3, 1)));
        ASSERT_TRUE(sent.Append(u"447700900001"_s, u"our offer"_s, u"Message sent successfully."_s,
                                QDate(2026, 3, 4)));
    }

    void open(CInbox& window)
    {
        window.show();
        while (window.isBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::processEvents();
    }

    QString cell(const CInbox& window, int row, int column) const
    {
        return window.model().index(row, column).data().toString();
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    InboxStore inbox{data};
    SentItemStore sent{data};
    Clock clock;
    ScriptedPrompter prompter;
};

TEST_F(InboxWindowTest, ShowsMessagesNewestFirstWithTheLastSentItemAndUnreadOnesBold)
{
    CInbox window(inbox, sent, clock, &prompter);
    open(window);
    ASSERT_EQ(window.model().rowCount(), 2);
    EXPECT_EQ(cell(window, 0, InboxModel::NumberColumn), "+447700900002");
    EXPECT_EQ(cell(window, 0, InboxModel::MessageColumn), "first second");
    EXPECT_EQ(cell(window, 0, InboxModel::ModemColumn), "COM1");
    EXPECT_EQ(cell(window, 1, InboxModel::MessageColumn), "STOP");
    EXPECT_EQ(cell(window, 1, InboxModel::RepliesToColumn), "04/03/2026: our offer");
    EXPECT_TRUE(cell(window, 0, InboxModel::RepliesToColumn).isEmpty());
    EXPECT_TRUE(window.list()->model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(window.totalText(), "Total Messages : 2, unread 2");
}

TEST_F(InboxWindowTest, AMessageIsReadOnceShownSelectedOrMarkedAndStaysRead)
{
    const auto bold = [](const CInbox& window, int row) {
        return window.list()->model()->index(row, 0).data(Qt::FontRole).value<QFont>().bold();
    };
    {
        CInbox window(inbox, sent, clock, &prompter);
        open(window);
        // Closing without looking reads nothing.
        window.onClose();
    }
    CInbox window(inbox, sent, clock, &prompter);
    open(window);
    ASSERT_EQ(window.totalText(), "Total Messages : 2, unread 2");
    window.onMarkRead();
    EXPECT_EQ(prompter.texts(), QStringList{u"Select the messages to mark as read."_s});
    window.list()->selectRow(1);
    EXPECT_FALSE(bold(window, 1));
    EXPECT_TRUE(bold(window, 0));
    EXPECT_EQ(window.totalText(), "Total Messages : 2, unread 1");

    // The read mark lasts; a message that came since is unread.
    ASSERT_EQ(inbox.Add(part(u"+447700900009"_s, u"later"_s, QDateTime::currentDateTime())),
              InboxStore::AddResult::Added);
    CInbox again(inbox, sent, clock, &prompter);
    open(again);
    ASSERT_EQ(again.model().rowCount(), 3);
    EXPECT_EQ(again.totalText(), "Total Messages : 3, unread 2");
    EXPECT_EQ(cell(again, 2, InboxModel::MessageColumn), "STOP");
    EXPECT_FALSE(bold(again, 2));
    // Both unread ones selected at once.
    again.list()->selectionModel()->select(
        QItemSelection(again.list()->model()->index(0, 0), again.list()->model()->index(1, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_FALSE(bold(again, 0));
    EXPECT_FALSE(bold(again, 1));
    EXPECT_EQ(again.totalText(), "Total Messages : 3, unread 0");
    CInbox third(inbox, sent, clock, &prompter);
    open(third);
    EXPECT_EQ(third.totalText(), "Total Messages : 3, unread 0");
}

TEST_F(InboxWindowTest, MessagesSeenByAnEarlierVersionCountAsRead)
{
    ASSERT_TRUE(inbox.setSeenUntil(QDateTime::currentDateTime().addDays(-1)));
    CInbox window(inbox, sent, clock, &prompter);
    open(window);
    EXPECT_EQ(window.totalText(), "Total Messages : 2, unread 1");
    EXPECT_EQ(cell(window, 1, InboxModel::MessageColumn), "STOP");
    EXPECT_FALSE(window.model().row(1).unread);
}

TEST_F(InboxWindowTest, ExportsTheLinesAsShown)
{
    CInbox window(inbox, sent, clock, &prompter);
    FakeExport exporter;
    window.setExport(&exporter);
    open(window);
    window.onExport();
    ASSERT_EQ(exporter.exported.size(), 2);
    EXPECT_EQ(exporter.exported[1], (QStringList{u"+447700900001"_s, u"STOP"_s,
                                                 cell(window, 1, InboxModel::ReceivedColumn),
                                                 u"COM1"_s, u"04/03/2026: our offer"_s}));

    // Nothing shown, nothing to export.
    window.dateFilter()->setChecked(true);
    window.fromDate()->setDate(QDate(2000, 1, 1));
    window.toDate()->setDate(QDate(2000, 1, 1));
    exporter.exported.clear();
    window.onExport();
    EXPECT_TRUE(exporter.exported.isEmpty());
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].text, "There is no message to export.");
}

TEST_F(InboxWindowTest, FiltersByTheDayReceived)
{
    CInbox window(inbox, sent, clock, &prompter);
    open(window);
    EXPECT_FALSE(window.fromDate()->isEnabled());
    window.dateFilter()->setChecked(true);
    EXPECT_TRUE(window.fromDate()->isEnabled());
    const QDate longOnesDay = QDateTime::currentDateTime().addSecs(-50).date();
    window.fromDate()->setDate(longOnesDay);
    window.toDate()->setDate(longOnesDay);
    ASSERT_EQ(window.model().rowCount(), 1);
    EXPECT_EQ(cell(window, 0, InboxModel::MessageColumn), "first second");
    window.fromDate()->setDate(QDate::currentDate().addDays(-3));
    window.toDate()->setDate(QDate::currentDate().addDays(-3));
    ASSERT_EQ(window.model().rowCount(), 1);
    EXPECT_EQ(cell(window, 0, InboxModel::MessageColumn), "STOP");
    window.dateFilter()->setChecked(false);
    EXPECT_EQ(window.model().rowCount(), 2);
}

TEST_F(InboxWindowTest, HandsSelectedMessagesToTheComposerAndReadsTheModems)
{
    CInbox window(inbox, sent, clock, &prompter);
    std::vector<SentItem> handed;
    window.setComposerHandler([&handed](const std::vector<SentItem>& items) {
        handed = items;
        return ComposerInsertResult::ListGrew;
    });
    FakeReader reader(inbox);
    window.setReader(&reader);
    open(window);

    window.onSendToComposer();
    ASSERT_EQ(prompter.shown().size(), 1); // nothing selected
    window.list()->selectionModel()->select(
        window.model().index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window.onSendToComposer();
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].number, "+447700900001");
    EXPECT_EQ(handed[0].message, "STOP");

    window.onReadMessages();
    while (window.isBusy())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_EQ(window.model().rowCount(), 3);
    EXPECT_EQ(cell(window, 0, InboxModel::MessageColumn), "new one");
    ASSERT_EQ(prompter.shown().size(), 2);
    EXPECT_TRUE(prompter.shown().back().text.contains(u"Messages read: 1 new from 1 device(s)."_s))
        << prompter.shown().back().text.toStdString();
    EXPECT_TRUE(prompter.shown().back().text.contains(u"COM3: no answer"_s));
}

} // namespace
