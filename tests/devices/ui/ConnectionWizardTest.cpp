#include "base/StatusTexts.h"
#include "devices/DeviceState.h"
#include "devices/DeviceTexts.h"
#include "devices/ModemScan.h"
#include "devices/ui/CPhone_List_Dlg.h"
#include "devices/ui/CSelected_Device_Details_GSM.h"
#include "support/DeviceWindowFixture.h"
#include "support/Gate.h"
#include "support/QtPrinters.h"
#include "widgets/WaitPopup.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// Three modems: both modes, text mode only, PDU mode only.
class ConnectionWizardTest : public DeviceWindowFixture
{
protected:
    void SetUp() override { modems.start({"", "text-only", "pdu-only"}); }

    void open()
    {
        wizard = std::make_unique<CPhone_List_Dlg>(context);
        wizard->show();
        list = named<QTreeWidget>(wizard.get(), "deviceList");
        details = named<QTreeWidget>(wizard.get(), "detailsList");
    }
    bool scanEnded() const
    {
        return !named<QPushButton>(wizard.get(), "stopButton")->isEnabled() && list->isEnabled();
    }
    bool controlsOfAnIdleWizard() const
    {
        return !named<QPushButton>(wizard.get(), "stopButton")->isEnabled() &&
               named<QPushButton>(wizard.get(), "searchAgainButton")->isEnabled() &&
               named<QPushButton>(wizard.get(), "confirmButton")->isEnabled() && list->isEnabled();
    }
    QRadioButton* pduButton() const { return named<QRadioButton>(wizard.get(), "pduModeButton"); }
    QRadioButton* textButton() const { return named<QRadioButton>(wizard.get(), "textModeButton"); }
    QStringList detailValues() const { return columnTexts(details, 1); }

    std::unique_ptr<CPhone_List_Dlg> wizard;
    QTreeWidget* list = nullptr;
    QTreeWidget* details = nullptr;
};

TEST_F(ConnectionWizardTest, ScansAndListsTheModemsAndShowsTheFirst)
{
    open();
    ASSERT_TRUE(processUntil([&] { return list->topLevelItemCount() == 3 && scanEnded(); }));

    EXPECT_EQ(wizard->windowTitle(), "USB Modem Connection Wizard");
    EXPECT_EQ(visibleHeaders(list),
              QStringList({"Com Port", "Com Port Details", "SMSC No.", "SMS Mode"}));
    EXPECT_EQ(columnTexts(list, 0), QStringList({"COM4", "COM5", "COM6"}));
    EXPECT_EQ(columnTexts(list, 1), QStringList({"QSIM-900 Modem at COM4", "QSIM-900 Modem at COM5",
                                                 "QSIM-900 Modem at COM6"}));
    EXPECT_EQ(columnTexts(list, 3), QStringList(3, "+447785016005"));
    EXPECT_EQ(columnTexts(list, 5), QStringList({"PDU Mode", "Text Mode", "PDU Mode"}));
    EXPECT_GT(list->columnWidth(5), list->header()->fontMetrics().horizontalAdvance("SMS Mode"));
    EXPECT_GT(list->columnWidth(5), list->fontMetrics().horizontalAdvance("Text Mode"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list->topLevelItem(i)->checkState(0), Qt::Checked);
    EXPECT_TRUE(controlsOfAnIdleWizard());

    // Row 0 is selected and its details are shown.
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_TRUE(detailValues().contains("COM4"));
    EXPECT_TRUE(detailValues().contains("+447785016005"));
    EXPECT_TRUE(pduButton()->isChecked());
    EXPECT_TRUE(pduButton()->isEnabled());
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(ConnectionWizardTest, PanelFollowsTheClickedRowAndSavesACustomSmsc)
{
    open();
    ASSERT_TRUE(processUntil([&] { return list->topLevelItemCount() == 3 && scanEnded(); }));

    clickRow(list, 1);
    ASSERT_TRUE(processUntil([&] { return detailValues().contains("COM5"); }));
    EXPECT_TRUE(textButton()->isChecked());
    EXPECT_FALSE(pduButton()->isChecked());
    auto* customBox = named<QCheckBox>(wizard.get(), "customSmscBox");
    ASSERT_TRUE(customBox->isEnabled());
    EXPECT_FALSE(customBox->isChecked());

    customBox->click();
    const QList<QLineEdit*> editable = editableFields(wizard.get());
    ASSERT_EQ(editable.size(), 1); // the custom field; the test number waits for its box
    QLineEdit* customField = editable[0];
    typeInto(customField, "+49O"); // a letter O for a zero is refused aloud
    EXPECT_EQ(customField->text(), "+49");
    customField->setText("+4911");
    named<QPushButton>(wizard.get(), "saveButton")->click();
    EXPECT_EQ(prompter.texts(), QStringList({"Invalid number.", "Custom SMSC No. save for COM5."}));
    EXPECT_EQ(list->topLevelItem(1)->text(3), "+4911");
    EXPECT_EQ(list->topLevelItem(1)->text(8), "Y");

    // A new search forgets the shown device: the panel is emptied while the scan runs.
    Gate held(2);
    std::atomic<bool> reached{false};
    const int before = workerCloseAllCalls;
    onWorkerCloseAll = [&](int call) {
        if (call == before + 1) { // the rescan's first port probe
            reached = true;
            held.arriveAndWait();
        }
    };
    named<QPushButton>(wizard.get(), "searchAgainButton")->click();
    ASSERT_TRUE(processUntil([&] { return reached.load(); }));
    EXPECT_FALSE(list->isEnabled());
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(detailValues().isEmpty());
    EXPECT_FALSE(pduButton()->isChecked());
    EXPECT_FALSE(textButton()->isChecked());
    EXPECT_FALSE(customBox->isChecked());
    held.open();
    ASSERT_TRUE(processUntil([&] { return list->topLevelItemCount() == 3 && scanEnded(); }));
    EXPECT_EQ(list->topLevelItem(1)->text(3), "+447785016005");
}

TEST_F(ConnectionWizardTest, SendsATestMessageThroughTheShownDevice)
{
    open();
    ASSERT_TRUE(processUntil([&] { return list->topLevelItemCount() == 3 && scanEnded(); }));
    EXPECT_TRUE(editableFields(wizard.get()).isEmpty());
    named<QCheckBox>(wizard.get(), "testMessageBox")->click();
    const QList<QLineEdit*> editable = editableFields(wizard.get());
    ASSERT_EQ(editable.size(), 1);
    editable[0]->setText("+4917012345");
    named<QPushButton>(wizard.get(), "sendButton")->click();

    EXPECT_EQ(prompter.texts(), QStringList{StatusTexts::messageSent()});
    const std::vector<sim::AirMessage> air = modems.air();
    ASSERT_EQ(air.size(), 1u);
    EXPECT_EQ(air[0].text, "Test message has been sent by PDU Mode");
    EXPECT_TRUE(wizard->isEnabled());
}

// A device whose SIM asks for its PIN: the status says so, and the PIN is entered once per press
// from the panel, the field emptied each time.
class SimPinWizardTest : public ConnectionWizardTest
{
protected:
    void SetUp() override { modems.start({"pin=1234,urc=^RSSI:20", ""}); }
};

TEST_F(SimPinWizardTest, PinFieldIsOfferedForALockedSimAndUnlocksIt)
{
    open();
    ASSERT_TRUE(processUntil([&] { return list->topLevelItemCount() == 2 && scanEnded(); }));
    EXPECT_EQ(list->topLevelItem(0)->text(2), "SIM PIN required");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "");
    EXPECT_EQ(visibleHeaders(list), QStringList({"Com Port", "Com Port Details", "Com Port Status",
                                                 "SMSC No.", "SMS Mode"}));
    EXPECT_TRUE(detailValues().contains("SIM PIN required"));
    auto* pinField = wizard->findChild<QLineEdit*>("simPinField");
    auto* pinButton = wizard->findChild<QPushButton*>("simPinButton");
    ASSERT_TRUE(pinField && pinButton);
    ASSERT_TRUE(pinField->isEnabled());

    pinField->setText("1111");
    pinButton->click();
    EXPECT_TRUE(pinField->text().isEmpty());
    pinField->setText("1234");
    pinButton->click();
    EXPECT_EQ(prompter.texts(), QStringList({"The SIM did not accept the PIN. Tries left: 2.",
                                             "The SIM accepted the PIN."}));
    EXPECT_EQ(list->topLevelItem(0)->text(2), "");
    EXPECT_FALSE(pinField->isEnabled());

    clickRow(list, 1);
    ASSERT_TRUE(processUntil([&] { return detailValues().contains("COM5"); }));
    EXPECT_FALSE(pinButton->isEnabled());
}

TEST_F(ConnectionWizardTest, TickedDevicesAreConfirmedAndReviewed)
{
    open();
    ASSERT_TRUE(processUntil([&] { return list->topLevelItemCount() == 3 && scanEnded(); }));
    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    named<QPushButton>(wizard.get(), "confirmButton")->click();

    ASSERT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), QDialog::Accepted);
    const QList<DeviceChoice> chosen{{"COM5 - QSIM-900 Modem at COM5", 5},
                                     {"COM6 - QSIM-900 Modem at COM6", 6},
                                     {AllDeviceText(), 0}};
    EXPECT_EQ(state.choiceList(), chosen);
    EXPECT_EQ(state.deviceModeList(), (QList<int>{2, 1, 0}));
    EXPECT_EQ(state.DeviceCount(), 2);
    EXPECT_TRUE(prompter.shown().isEmpty());

    // The review lists what was confirmed, and its connection test offers the same devices.
    CSelected_Device_Details_GSM review(context);
    review.show();
    auto* reviewed = named<QTreeWidget>(&review, "deviceList");
    EXPECT_EQ(visibleHeaders(reviewed),
              QStringList({"Com Port", "Com Port Details", "SMSC No.", "SMS Mode"}));
    EXPECT_EQ(columnTexts(reviewed, 0), QStringList({"COM5", "COM6"}));
    EXPECT_EQ(columnTexts(reviewed, 3), QStringList({"Text Mode", "PDU Mode"}));
    EXPECT_EQ(review.findChild<QPlainTextEdit*>()->toPlainText(),
              state.ConnectedDeviceText().replace("\r\n", "\n"));

    QStringList tested;
    QTimer::singleShot(0, &review, [&] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), "Advanced Connection Troubleshooting");
        tested = columnTexts(named<QTreeWidget>(window, "deviceList"), 0);
        prompter.answer(true); // leave without applying a case
        named<QPushButton>(window, "closeButton")->click();
        if (window->isVisible())
            window->close();
    });
    named<QPushButton>(&review, "troubleshootingButton")->click();
    EXPECT_EQ(tested, QStringList({"COM5", "COM6"}));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(ConnectionWizardTest, EscapeContinuesWithoutADeviceAndEndsTheScanUnasked)
{
    state.setChoiceList({{"COM9 - earlier", 9}}, 0);
    open();
    ASSERT_TRUE(
        processUntil([&] { return named<QPushButton>(wizard.get(), "stopButton")->isEnabled(); }));
    pressEscape(wizard.get());

    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), QDialog::Rejected);
    EXPECT_TRUE(state.choiceList().isEmpty());
    EXPECT_TRUE(prompter.shown().isEmpty());
}

// Stop while the scan probes COM5: the scan is held while the user reads the question.
class StopMidScanTest : public ConnectionWizardTest, public ::testing::WithParamInterface<bool>
{};

TEST_P(StopMidScanTest, YesKeepsTheRowsFoundAndNoLetsTheScanGoOn)
{
    const bool yes = GetParam();
    Gate held(2);
    std::atomic<bool> reached{false};
    onWorkerCloseAll = [&](int call) {
        if (call == 2) {
            reached = true;
            held.arriveAndWait();
        }
    };
    hooked.beforeQuestion = [&] { held.open(); };
    open();
    ASSERT_TRUE(processUntil([&] { return reached && list->topLevelItemCount() == 1; }));
    EXPECT_TRUE(named<QPushButton>(wizard.get(), "stopButton")->isEnabled());
    EXPECT_FALSE(named<QPushButton>(wizard.get(), "searchAgainButton")->isEnabled());
    EXPECT_FALSE(named<QPushButton>(wizard.get(), "confirmButton")->isEnabled());
    EXPECT_FALSE(list->isEnabled());

    prompter.answer(yes);
    named<QPushButton>(wizard.get(), "stopButton")->click();
    ASSERT_TRUE(processUntil([&] { return scanEnded(); }));
    EXPECT_EQ(prompter.texts(), QStringList{ModemScan::StopScanQuestion()});
    const QStringList found =
        yes ? QStringList{"COM4", "COM5"} : QStringList{"COM4", "COM5", "COM6"};
    EXPECT_EQ(columnTexts(list, 0), found);
    EXPECT_TRUE(controlsOfAnIdleWizard());
    EXPECT_TRUE(detailValues().contains("COM4")); // row 0 is shown again
    EXPECT_TRUE(wizard->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Answers, StopMidScanTest, ::testing::Bool());

TEST_F(ConnectionWizardTest, StopWaitsForThePortInHandUnderThePopupWithTheWindowPainting)
{
    // The scan stays in its probe of COM5 after Yes, as a slow port keeps it.
    Gate held(2);
    std::atomic<bool> reached{false};
    std::atomic<bool> released{false};
    onWorkerCloseAll = [&](int call) {
        if (call == 2) {
            reached = true;
            held.arriveAndWait();
            released = true;
        }
    };
    open();
    ASSERT_TRUE(processUntil([&] { return reached.load(); }));
    bool stillProbing = false;
    bool popupShown = false;
    bool windowWaited = false;
    QTimer::singleShot(0, wizard.get(), [&] { // runs only if the window's events still run
        stillProbing = !released;
        const auto* popup = wizard->findChild<WaitPopup*>();
        popupShown = popup && popup->isVisible();
        windowWaited = !wizard->isEnabled();
        held.open();
    });
    prompter.answer(true);
    named<QPushButton>(wizard.get(), "stopButton")->click();
    EXPECT_TRUE(stillProbing); // the window ran while the scan was still at its port
    EXPECT_TRUE(popupShown);
    EXPECT_TRUE(windowWaited);
    EXPECT_TRUE(controlsOfAnIdleWizard());
    EXPECT_TRUE(wizard->isEnabled());
    EXPECT_EQ(wizard->findChild<WaitPopup*>(), nullptr);
    EXPECT_EQ(columnTexts(list, 0), QStringList({"COM4", "COM5"}));
}

TEST_F(ConnectionWizardTest, ClosingAsksDuringAScanAndNoKeepsBoth)
{
    Gate held(2);
    onWorkerCloseAll = [&](int call) {
        if (call == 2)
            held.arriveAndWait();
    };
    hooked.beforeQuestion = [&] { held.open(); };
    open();
    ASSERT_TRUE(processUntil([&] { return workerCloseAllCalls >= 2; }));
    prompter.answer(false);
    wizard->close();
    EXPECT_TRUE(wizard->isVisible());
    ASSERT_TRUE(processUntil([&] { return scanEnded(); }));
    EXPECT_EQ(list->topLevelItemCount(), 3);

    wizard->close(); // no scan any more: closes as continue-without, unasked
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), QDialog::Rejected);
    EXPECT_EQ(prompter.texts(), QStringList{ModemScan::StopScanQuestion()});
}

TEST_F(ConnectionWizardTest, AScanEndingWhileTheStopQuestionIsOpenIsStoppedOnce)
{
    // Stop pressed during the last probe: nothing holds the scan, so it ends while the
    // question is open and its event loop runs, as a message box's does.
    Gate held(2);
    onWorkerCloseAll = [&](int call) {
        if (call == 3)
            held.arriveAndWait();
    };
    hooked.beforeQuestion = [&] {
        held.open();
        ASSERT_TRUE(processUntil([&] { return workerCloseAllCalls == 4; }));
        processUntil([&] { return scanEnded(); }, 400); // must not end under the question
    };
    open();
    ASSERT_TRUE(processUntil([&] { return workerCloseAllCalls == 3; }));
    prompter.answer(true);
    named<QPushButton>(wizard.get(), "stopButton")->click();

    ASSERT_TRUE(processUntil([&] { return scanEnded(); }));
    EXPECT_EQ(columnTexts(list, 0), QStringList({"COM4", "COM5", "COM6"}));
    EXPECT_TRUE(controlsOfAnIdleWizard());
    EXPECT_EQ(prompter.texts(), QStringList{ModemScan::StopScanQuestion()});
}

} // namespace
