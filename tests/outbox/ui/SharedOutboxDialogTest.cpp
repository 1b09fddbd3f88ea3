#include "outbox/ui/SharedOutboxDialog.h"

#include "outbox/OutboxError.h"
#include "outbox/OutboxLink.h"
#include "outbox/SharedOutboxSetting.h"
#include "recipients/RecipientList.h"
#include "stores/DataFolder.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SharedOutboxDialogTest : public ::testing::Test
{
protected:
    SharedOutboxDialogTest()
    {
        list.insertRecipients(0, {{"+447700900001", "one"}, {"+447700900002", "two"}});
    }

    std::vector<OutboxEntry> outboxRows() const
    {
        OutboxAddress address;
        address.file = outboxFile;
        return OutboxLink(address).call([](OutboxDatabase& d) { return d.entries(); });
    }

    // Lets the window's timers run until `shown` holds, for ten seconds at most.
    template <class Condition> static bool processEventsUntil(Condition shown)
    {
        QElapsedTimer timer;
        timer.start();
        while (!shown() && timer.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return shown();
    }

    QTemporaryDir home;
    DataFolder data{home.path()};
    RecipientList list;
    ScriptedPrompter prompter;
    QString outboxFile = home.filePath("shared.sqlite");
};

TEST_F(SharedOutboxDialogTest, SavedAddressSendsTheListThroughTheOutbox)
{
    SharedOutboxDialog dialog({data, list, true, false}, prompter);
    EXPECT_FALSE(dialog.sendButton()->isEnabled()); // nothing set yet
    dialog.addressBox()->setText(outboxFile);
    EXPECT_FALSE(dialog.sendButton()->isEnabled()); // not saved
    dialog.saveButton()->click();
    EXPECT_EQ(SharedOutboxSetting(data).address(), outboxFile);
    ASSERT_TRUE(dialog.sendButton()->isEnabled());

    prompter.answer(true);
    dialog.sendButton()->click();
    const std::vector<OutboxEntry> rows = outboxRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].number, "+447700900001");
    EXPECT_EQ(rows[1].state, "queued");
    ASSERT_EQ(prompter.shown().size(), 2);
    EXPECT_TRUE(prompter.shown()[0].text.startsWith("Add the 2 rows of the list"));
    EXPECT_EQ(prompter.shown()[1].text, "2 rows were added to the shared outbox.");

    // Reopened, the dialog shows the saved address.
    SharedOutboxDialog again({data, list, false, false}, prompter);
    EXPECT_EQ(again.addressBox()->text(), outboxFile);
}

TEST_F(SharedOutboxDialogTest, BadAddressesAndUnreachableOutboxesAddNothing)
{
    SharedOutboxDialog dialog({data, list, false, false}, prompter);
    dialog.addressBox()->setText("mysql://somewhere/db");
    dialog.saveButton()->click();
    EXPECT_TRUE(SharedOutboxSetting(data).address().isEmpty());
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Warning);

    dialog.addressBox()->setText(home.filePath("no-such-folder/o.sqlite"));
    dialog.saveButton()->click();
    prompter.answer(true);
    dialog.sendButton()->click();
    ASSERT_EQ(prompter.shown().size(), 3);
    EXPECT_TRUE(prompter.shown()[2].text.startsWith("Nothing was added to the shared outbox"))
        << prompter.shown()[2].text.toStdString();
    EXPECT_EQ(prompter.shown()[2].icon, Prompter::Icon::Error);

    prompter.answer(false); // No: nothing happens
    dialog.sendButton()->click();
    EXPECT_EQ(prompter.shown().size(), 4);
}

TEST_F(SharedOutboxDialogTest, ProgressShowsTheSavedOutboxsCountsAndItsErrorsInOneLine)
{
    OutboxAddress address;
    address.file = outboxFile;
    OutboxLink(address).call([](OutboxDatabase& d) {
        std::vector<OutboxMessage> rows;
        for (int i = 0; i < 4; ++i)
            rows.push_back({QStringLiteral("+44770090000%1").arg(i), "hi", false, false, {}, 0, 0});
        d.enqueue(rows);
        const std::vector<OutboxRow> claimed = d.claim("a", 1, 60);
        d.finish(claimed[0].id, "a", {OutboxState::Sent, "ok", "COM1", "1"});
        return 0;
    });

    SharedOutboxDialog none({data, list, false, false}, prompter);
    EXPECT_FALSE(none.findChild<QProgressBar*>("outboxProgress")->isVisibleTo(&none)); // no address

    ASSERT_TRUE(SharedOutboxSetting(data).setAddress(outboxFile));
    SharedOutboxDialog dialog({data, list, false, false}, prompter);
    auto* queued = dialog.findChild<QLabel*>("queuedCount");
    auto* bar = dialog.findChild<QProgressBar*>("outboxProgress");
    ASSERT_TRUE(queued && bar);
    ASSERT_TRUE(processEventsUntil([&] { return queued->text() == "3"; }))
        << queued->text().toStdString();
    EXPECT_EQ(dialog.findChild<QLabel*>("sentCount")->text(), "1");
    EXPECT_EQ(dialog.findChild<QLabel*>("failedCount")->text(), "0");
    EXPECT_EQ(bar->value(), 25);

    // An outbox that cannot be reached: its error in one line, no message box.
    address.file = home.filePath("no-such-folder/o.sqlite");
    QString expected;
    try {
        OutboxDatabase unreachable(address);
    } catch (const OutboxError& e) {
        expected = e.text();
    }
    ASSERT_FALSE(expected.isEmpty());
    dialog.addressBox()->setText(address.file);
    dialog.saveButton()->click();
    auto* error = dialog.findChild<QLabel*>("outboxError");
    ASSERT_TRUE(processEventsUntil([&] { return error->isVisibleTo(&dialog); }));
    EXPECT_EQ(error->text(), expected);
    EXPECT_FALSE(bar->isVisibleTo(&dialog));
    EXPECT_TRUE(prompter.shown().empty());
}

} // namespace
