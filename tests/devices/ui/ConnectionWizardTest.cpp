#include "DeviceWindowFixture.h"
#include "devices/DeviceState.h"
#include "devices/DeviceTexts.h"
#include "devices/ModemScan.h"
#include "devices/ui/CPhone_List_Dlg.h"
#include "devices/ui/CSelected_Device_Details_GSM.h"
#include "sending/Gate.h"
#include "support/QStringPrinter.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString SearchAgain = QStringLiteral("Search Modem\nDevice Again");
const QString Confirm = QStringLiteral("Use Selected Device \nto Send SMS");

// Three modems: both modes, text mode only, PDU mode only.
class ConnectionWizardTest : public DeviceWindowFixture
{
protected:
    void SetUp() override { startModems({"", "text-only", "pdu-only"}); }

    void open()
    {
        wizard = std::make_unique<CPhone_List_Dlg>(context);
        wizard->show();
        list = childWithText<QTreeWidget>(wizard.get(), "Com Port");
        details = childWithText<QTreeWidget>(wizard.get(), "Name");
    }
    bool scanEnded() const
    {
        return !button(wizard.get(), "Stop")->isEnabled() && list->isEnabled();
    }
    bool controlsOfAnIdleWizard() const
    {
        return !button(wizard.get(), "Stop")->isEnabled() &&
               button(wizard.get(), SearchAgain)->isEnabled() &&
               button(wizard.get(), Confirm)->isEnabled() && list->isEnabled();
    }
    QRadioButton* modeButton(const QString& mode) const
    {
        return static_cast<QRadioButton*>(button(wizard.get(), mode));
    }
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
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list->topLevelItem(i)->checkState(0), Qt::Checked);
    EXPECT_TRUE(controlsOfAnIdleWizard());

    // Row 0 is selected and its details are shown.
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_TRUE(detailValues().contains("COM4"));
    EXPECT_TRUE(detailValues().contains("+447785016005"));
    EXPECT_TRUE(modeButton("PDU Mode")->isChecked());
    EXPECT_TRUE(modeButton("PDU Mode")->isEnabled());
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(ConnectionWizardTest, PanelFollowsTheClickedRowAndSavesACustomSmsc)
{
    open();
    ASSERT_TRUE(processUntil([&] { return list->topLevelItemCount() == 3 && scanEnded(); }));

    clickRow(list, 1);
    ASSERT_TRUE(processUntil([&] { return detailValues().contains("COM5"); }));
    EXPECT_TRUE(modeButton("Text Mode")->isChecked());
    EXPECT_FALSE(modeButton("PDU Mode")->isChecked());
    auto* customBox = button(wizard.get(), "Custom SMSC :");
    ASSERT_TRUE(customBox->isEnabled());
    EXPECT_FALSE(customBox->isChecked());

    customBox->click();
    const QList<QLineEdit*> editable = editableFields(wizard.get());
    ASSERT_EQ(editable.size(), 1); // the custom field; the test number waits for its box
    QLineEdit* customField = editable[0];
    customField->setText("+4911");
    button(wizard.get(), "Save")->click();
    EXPECT_EQ(prompter.texts(), QStringList{"Custom SMSC No. save for COM5."});
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
    button(wizard.get(), SearchAgain)->click();
    ASSERT_TRUE(processUntil([&] { return reached.load(); }));
    EXPECT_FALSE(list->isEnabled());
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(detailValues().isEmpty());
    EXPECT_FALSE(modeButton("PDU Mode")->isChecked());
    EXPECT_FALSE(modeButton("Text Mode")->isChecked());
    EXPECT_FALSE(customBox->isChecked());
    held.open();
    ASSERT_TRUE(processUntil([&] { return list->topLevelItemCount() == 3 && scanEnded(); }));
    EXPECT_EQ(list->topLevelItem(1)->text(3), "+447785016005");
}

} // namespace
