#include "sending/PortProbe.h"
#include "sending/SendQueueModel.h"
#include "sending/ui/CQuota_Dlg.h"
#include "sending/ui/CSMS_Sending.h"
#include "sending/ui/CSend_Msg_Info.h"
#include "sending/ui/SendLauncher.h"
#include "support/RunFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace {

// Runs the event loop until the condition holds (at most ten seconds).
bool processUntil(const std::function<bool()>& condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

using SendingWindowTest = RunFixture;

TEST_F(SendingWindowTest, ShowsTheRunAndCloseEndsIt)
{
    options.retriesOn = true;
    recipients(7);
    useDevices({{3, 1}, {5, 1}});
    CSMS_Sending window(context());
    window.show();
    ASSERT_TRUE(processUntil([&] { return window.statusText() == "Finish."; }));
    window.refresh();

    EXPECT_EQ(window.windowTitle(), "Sending Process, Finished.");
    EXPECT_EQ(window.stopButton()->text(), "Close");
    EXPECT_TRUE(window.exportButton()->isVisible());
    EXPECT_EQ(window.progressText(), "7 / 7 Message or 100.00%");
    EXPECT_EQ(window.model().rowCount(), 7);
    EXPECT_EQ(window.model().data(window.model().index(6, StatusColumn)).toString(),
              "Message sent successfully.");
    EXPECT_FALSE(window.list()->isColumnHidden(RetryColumn));
    EXPECT_TRUE(window.list()->isColumnHidden(UseStatusColumn));
    // A whole international number shows; the message column takes the width left over.
    const QHeaderView* header = window.list()->horizontalHeader();
    EXPECT_GT(header->sectionSize(NumberColumn),
              window.list()->fontMetrics().horizontalAdvance("+447700900123456"));
    EXPECT_EQ(header->sectionViewportPosition(RetryColumn) + header->sectionSize(RetryColumn),
              window.list()->viewport()->width());

    ASSERT_TRUE(
        processUntil([&] { return window.run().waitUntilSettled(std::chrono::milliseconds(0)); }));
    window.stopButton()->click();
    ASSERT_TRUE(processUntil([&] { return !window.isVisible(); }));
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(prompter.shown().isEmpty()); // Close after Finish. asks nothing
    EXPECT_EQ(state.RunOpen, 0);
}

TEST_F(SendingWindowTest, EscapeDoesNotCloseTheWindow)
{
    recipients(2);
    useDevices({{3, 1}});
    CSMS_Sending window(context());
    window.show();
    window.reject();
    EXPECT_TRUE(window.isVisible());
    ASSERT_TRUE(processUntil([&] { return window.statusText() == "Finish."; }));
}

TEST(SendQueueModelTest, AnnouncesNewRowsAndChangesOnRefreshOnly)
{
    SendQueue queue;
    SendQueueModel model(queue);
    int inserted = 0, changed = 0;
    QObject::connect(
        &model, &QAbstractItemModel::rowsInserted,
        [&](const QModelIndex&, int first, int last) { inserted += last - first + 1; });
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { ++changed; });

    QueueRow row;
    row[NumberColumn] = "0700";
    queue.append({row, row, row});
    EXPECT_EQ(model.rowCount(), 0); // nothing until the timer
    model.refresh();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(inserted, 3);

    for (int i = 0; i < 3; ++i)
        queue.setCell(i, StatusColumn, "Stopped");
    model.refresh();
    model.refresh(); // nothing new: no signal
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(model.data(model.index(2, StatusColumn)).toString(), "Stopped");
    EXPECT_EQ(model.headerData(CurrentStatusColumn, Qt::Horizontal).toString(), "Current Status");
}

class QuotaWindowTest : public ::testing::Test
{
protected:
    QuotaWindowTest()
    {
        QString text;
        for (const char* port : {"COM3", "COM7"})
            text += ConnectedDeviceBlock(
                {port, QString(port) + " modem", "+44", "+44", "PDU Mode", ";PDU Mode;", "N"});
        devices.setConnectedDeviceText(text);
    }

    DeviceState devices;
    ScriptedPrompter prompter;
};

TEST_F(QuotaWindowTest, EditsUpdateTheTotalsAndOkWritesTheRecords)
{
    CQuota_Dlg dialog(devices, prompter, 100);
    QTableWidget* list = dialog.list();
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(dialog.totalText(), "100");
    EXPECT_TRUE(dialog.allTicked()->isChecked());

    auto* type = qobject_cast<QComboBox*>(list->cellWidget(0, CQuota_Dlg::QuotaTypeColumn));
    ASSERT_NE(type, nullptr);
    type->setCurrentText("Manual");
    emit type->textActivated("Manual");
    EXPECT_EQ(list->item(0, CQuota_Dlg::AssignQuotaColumn)->text(), "0");
    list->item(0, CQuota_Dlg::AssignQuotaColumn)->setText("60");
    EXPECT_EQ(dialog.assignedText(), "60");
    EXPECT_EQ(dialog.availableText(), "40");

    list->item(1, CQuota_Dlg::ComPortColumn)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(dialog.allTicked()->isChecked());

    prompter.answer(true); // no ticked device on Auto: 40 left unsent
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(devices.DeviceRecordText(),
              ";COM3;COM3 modem;Manual;60;Y;\n;COM7;COM7 modem;Auto;Auto;N;\n\n");
}

TEST_F(QuotaWindowTest, CancelRestoresTheRecords)
{
    devices.setDeviceRecordText(";COM3;COM3 modem;Manual;5;Y;\n");
    devices.setDeviceCount(1);
    CQuota_Dlg dialog(devices, prompter, 10);
    EXPECT_EQ(dialog.list()->item(0, CQuota_Dlg::AssignQuotaColumn)->text(), "5");
    EXPECT_TRUE(devices.DeviceRecordText().isEmpty());
    dialog.reject();
    EXPECT_EQ(devices.DeviceRecordText(), ";COM3;COM3 modem;Manual;5;Y;\n");
    EXPECT_EQ(devices.DeviceCount(), 1);
}

TEST_F(QuotaWindowTest, OpensWithEveryColumnInViewAndEnterEditsTheCell)
{
    CQuota_Dlg dialog(devices, prompter, 100);
    dialog.show();
    QTableWidget* list = dialog.list();
    const QHeaderView* header = list->horizontalHeader();
    for (int c = 0; c < CQuota_Dlg::ColumnCount; ++c)
        EXPECT_LE(header->sectionViewportPosition(c) + header->sectionSize(c),
                  list->viewport()->width())
            << "column " << c;
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());

    const auto pressEnter = [&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(list, &press);
    };
    list->setFocus();
    list->setCurrentCell(0, CQuota_Dlg::DetailsColumn); // read-only: nothing happens
    pressEnter();
    EXPECT_TRUE(prompter.shown().isEmpty()); // no Reset question
    EXPECT_TRUE(dialog.isVisible());

    auto* type = qobject_cast<QComboBox*>(list->cellWidget(0, CQuota_Dlg::QuotaTypeColumn));
    emit type->textActivated("Manual");
    list->setCurrentCell(0, CQuota_Dlg::AssignQuotaColumn);
    pressEnter();
    auto* editor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->maxLength(), 3); // no quota has more digits than the list's 100
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(QuotaWindowTest, AQuotaPastTheListIsRefusedInTheCell)
{
    CQuota_Dlg dialog(devices, prompter, 100);
    QTableWidget* list = dialog.list();
    auto* type = qobject_cast<QComboBox*>(list->cellWidget(0, CQuota_Dlg::QuotaTypeColumn));
    emit type->textActivated("Manual");
    list->item(0, CQuota_Dlg::AssignQuotaColumn)->setText("99999999999");
    EXPECT_EQ(list->item(0, CQuota_Dlg::AssignQuotaColumn)->text(), "0");
    EXPECT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(dialog.assignedText(), "0");
}

TEST(ComposerQuestionTest, ButtonsGiveTheirAnswers)
{
    CSend_Msg_Info dialog;
    const struct
    {
        bool blank;
        void (CSend_Msg_Info::*press)();
        ComposerChangeQuestion::Answer answer;
    } cases[] = {
        {false, &CSend_Msg_Info::onYes, ComposerChangeQuestion::Answer::ApplyToAll},
        {true, &CSend_Msg_Info::onYes, ComposerChangeQuestion::Answer::ApplyToBlank},
        {true, &CSend_Msg_Info::onContinue, ComposerChangeQuestion::Answer::ContinueAnyway},
        {false, &CSend_Msg_Info::onCancel, ComposerChangeQuestion::Answer::Cancel},
    };
    for (const auto& c : cases) {
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_TRUE(dialog.allItems()->isChecked()); // preset every time
            if (c.blank)
                dialog.blankItems()->setChecked(true);
            (dialog.*c.press)();
        });
        EXPECT_EQ(dialog.ask(), c.answer);
    }
}

} // namespace

namespace {

class AlwaysOpens : public PortProbe
{
public:
    std::optional<QString> probe(int) override { return std::nullopt; }
};

class AsksNothing : public ComposerChangeQuestion
{
public:
    Answer ask() override { return Answer::ContinueAnyway; }
};

using SendLauncherTest = RunFixture;

TEST_F(SendLauncherTest, SendChecksProbesAndRunsTheSendingWindow)
{
    recipients(3);
    useDevices({{3, 1}, {5, 1}});
    devices.setDeviceList({}, -1); // the device check rebuilds it
    AlwaysOpens probe;
    AsksNothing question;
    SendPreparation preparation(
        {state, options, devices, list, channels, prompter, question, {}, {}, {}});
    SendLauncher launcher(preparation, probe, [this] { return context(); });
    QWidget mainWindow;
    mainWindow.show();

    SendInputs inputs;
    inputs.composer = "hello";
    // Once the sending window shows, wait for its end and close it as the user would.
    bool sawWindow = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* window = qobject_cast<CSMS_Sending*>(QApplication::activeModalWidget());
        if (!window)
            return;
        sawWindow = true;
        if (window->statusText() == "Finish." &&
            window->run().waitUntilSettled(std::chrono::milliseconds(0)))
            window->stopButton()->click();
    });
    poll.start(20);
    ASSERT_TRUE(launcher.send(&mainWindow, inputs));
    ASSERT_TRUE(processUntil([&] {
        return sawWindow && !preparation.preparing() && !QApplication::activeModalWidget();
    }));
    EXPECT_EQ(devices.deviceList(),
              QStringList({"COM3 - Modem 3", "COM5 - Modem 5", "All Device"}));
    EXPECT_EQ(submissions().size(), 3u);
    EXPECT_EQ(state.RunOpen, 0);

    inputs.composer.clear();
    EXPECT_FALSE(launcher.send(&mainWindow, inputs));
    EXPECT_EQ(preparation.focus(), SendPreparation::Focus::Composer);
}

} // namespace
