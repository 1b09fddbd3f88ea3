#include "base/StatusTexts.h"
#include "devices/ConnectionTest.h"
#include "devices/DeviceTexts.h"
#include "devices/ui/CAutomated_GSM_Sending.h"
#include "support/DeviceWindowFixture.h"
#include "support/Gate.h"
#include "support/QtPrinters.h"
#include "widgets/WaitPopup.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

const QString Phone = QStringLiteral("+4917012345");

// The window over a test of two listed modems; the test thread is held where it closes the
// channels before its first case, until the gate opens.
class ConnectionTestWindowTest : public DeviceWindowFixture,
                                 public ::testing::WithParamInterface<bool>
{
protected:
    void SetUp() override
    {
        modems.start({"", ""});
        addDevice(4);
        addDevice(5);
        deviceChannel.closeAllChannels = [this] {
            if (!onUiThread()) {
                reached = true;
                held.arriveAndWait();
            }
        };
        test = std::make_unique<ConnectionTest>(
            ConnectionTestDependencies{state.details(), deviceChannel, references, prompter, {}},
            table, "COM4;COM5;", Phone);
        window = std::make_unique<CAutomated_GSM_Sending>(*test);
        window->show();
        devices = named<QTreeWidget>(window.get(), "deviceList");
        cases = named<QTreeWidget>(window.get(), "caseList");
    }
    void TearDown() override { held.open(); }

    bool showsLabel(const QString& text) const
    {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text() == text)
                return true;
        }
        return false;
    }

    Gate held{2};
    std::atomic<bool> reached{false};
    std::unique_ptr<ConnectionTest> test;
    std::unique_ptr<CAutomated_GSM_Sending> window;
    QTreeWidget* devices = nullptr;
    QTreeWidget* cases = nullptr;
};

TEST_P(ConnectionTestWindowTest, RunsTheCasesAndRefusesToCloseUntilTheThreadEnds)
{
    const bool stopped = GetParam();
    EXPECT_EQ(columnTexts(devices, 0), QStringList({"COM4", "COM5"}));
    EXPECT_EQ(columnTexts(devices, 1),
              QStringList({"QSIM-900 Modem at COM4", "QSIM-900 Modem at COM5"}));
    // Row 0 is chosen at opening, its cases listed.
    auto* start = named<QPushButton>(window.get(), "startButton");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->text(), "Start Test for Device Connected at : COM4");
    EXPECT_EQ(devices->currentItem(), devices->topLevelItem(0));
    EXPECT_EQ(columnTexts(cases, 0).size(), 4);
    EXPECT_FALSE(named<QPushButton>(window.get(), "stopButton")->isVisible());
    EXPECT_FALSE(named<QPushButton>(window.get(), "saveLogButton")->isVisible());

    clickRow(devices, 1);
    EXPECT_EQ(start->text(), "Start Test for Device Connected at : COM5");
    clickRow(devices, 0);
    EXPECT_EQ(start->text(), "Start Test for Device Connected at : COM4");
    auto* defaultSmsc = named<QLineEdit>(window.get(), "defaultSmscField");
    EXPECT_EQ(defaultSmsc->text(), "+447785016005");
    EXPECT_TRUE(defaultSmsc->isReadOnly());
    EXPECT_EQ(columnTexts(cases, 0), QStringList({"Case 1:", "Case 2:", "Case 3:", "Case 4:"}));
    EXPECT_EQ(columnTexts(cases, 1).first(), "PDU Mode with Default SMSC");
    auto* customSmsc = named<QLineEdit>(window.get(), "customSmscField");
    EXPECT_EQ(customSmsc->text(), "");
    customSmsc->setText("+4977");
    EXPECT_EQ(named<QLineEdit>(window.get(), "phoneField")->text(), Phone);

    start->click();
    ASSERT_TRUE(processUntil([&] { return reached.load(); }));
    EXPECT_FALSE(start->isEnabled());
    EXPECT_FALSE(devices->isEnabled());
    EXPECT_TRUE(named<QPushButton>(window.get(), "stopButton")->isVisible());
    if (stopped) {
        prompter.answer(true);
        named<QPushButton>(window.get(), "stopButton")->click();
        EXPECT_TRUE(showsLabel(WaitPopup::defaultText()));
    }

    pressEscape(window.get());
    named<QPushButton>(window.get(), "closeButton")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompter.texts().mid(stopped ? 1 : 0),
              QStringList(2, ConnectionTest::inProgressMessage()));

    held.open();
    ASSERT_TRUE(processUntil([&] { return start->isEnabled(); }));
    EXPECT_EQ(window->findChild<QProgressBar*>()->value(), 0); // back from the running 5 %
    EXPECT_EQ(columnTexts(cases, 2),
              QStringList(4, stopped ? QStringLiteral("Stopped") : StatusTexts::messageSent()));
    EXPECT_EQ(modems.air().size(), stopped ? 0u : 4u);
    EXPECT_FALSE(named<QPushButton>(window.get(), "stopButton")->isVisible());
    EXPECT_TRUE(named<QPushButton>(window.get(), "saveLogButton")->isVisible());
    EXPECT_TRUE(showsLabel("Status"));

    // A case applied to COM4 leaves only COM5 to ask about; No keeps the window.
    clickRow(cases, 1);
    prompter.answer(true).answer(false);
    named<QPushButton>(window.get(), "useCaseButton")->click();
    EXPECT_EQ(table.rows[0].smscNo, "+4977");
    EXPECT_EQ(table.rows[0].useCustomSmsc, "Y");
    pressEscape(window.get());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompter.texts().last().contains("connected at COM5.\n"));
    prompter.answer(true);
    named<QPushButton>(window.get(), "closeButton")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(ConnectionTestWindowTest, NumberBoxesRefuseLettersAloud)
{
    QLineEdit* phone = named<QLineEdit>(window.get(), "phoneField");
    QLineEdit* custom = named<QLineEdit>(window.get(), "customSmscField");
    ASSERT_TRUE(phone && custom);
    EXPECT_EQ(phone->text(), Phone);
    EXPECT_TRUE(custom->text().isEmpty());
    phone->clear();
    typeInto(phone, "+49x1");
    typeInto(custom, "+4a");
    EXPECT_EQ(phone->text(), "+491");
    EXPECT_EQ(custom->text(), "+4");
    EXPECT_EQ(prompter.texts(), QStringList(2, "Invalid number."));
}

INSTANTIATE_TEST_SUITE_P(RunToTheEndOrStopped, ConnectionTestWindowTest, ::testing::Bool());

} // namespace
