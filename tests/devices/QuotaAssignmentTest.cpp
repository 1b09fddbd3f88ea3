#include "devices/QuotaAssignment.h"

#include "devices/DeviceRecords.h"
#include "devices/DeviceState.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

class QuotaAssignmentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString text;
        for (const char* port : {"COM3", "COM7"})
            text += ConnectedDeviceBlock(
                {port, QString(port) + " modem", "+44", "+44", "PDU Mode", ";PDU Mode;", "N"});
        devices.setConnectedDeviceText(text);
        devices.setDeviceRecordText(";COM3;COM3 modem;Auto;Auto;Y;\n"
                                    ";COM7;COM7 modem;Auto;Auto;Y;\n");
        devices.setDeviceCount(2);
    }

    void open(int messages)
    {
        dialog.open(messages);
        ASSERT_EQ(dialog.rows().size(), 2);
        EXPECT_TRUE(devices.DeviceRecordText().isEmpty()); // rebuilt on OK only
    }

    void manual(int row, const char* quota)
    {
        dialog.changeQuotaType(row, "Manual");
        dialog.setAssignQuota(row, quota);
    }

    DeviceState devices;
    ScriptedPrompter prompter;
    QuotaAssignment dialog{devices, prompter};
};

TEST_F(QuotaAssignmentTest, ManualBesideAutoIsAcceptedWithoutAQuestion)
{
    open(100);
    manual(0, "60");
    EXPECT_EQ(dialog.quotaAssigned(), 60);
    EXPECT_EQ(dialog.availableQuota(), 40);

    ASSERT_TRUE(dialog.accept());
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(devices.DeviceRecordText(), ";COM3;COM3 modem;Manual;60;Y;\n"
                                          ";COM7;COM7 modem;Auto;Auto;Y;\n\n");
    EXPECT_EQ(devices.DeviceCount(), 2);
    EXPECT_EQ(devices.QuotaTotalMessages(), 100);
}

TEST_F(QuotaAssignmentTest, ManualQuotasBelowTheListAskAndCancelKeepsTheDialogOpen)
{
    open(100);
    manual(0, "60");
    manual(1, "30");
    prompter.answer(false);

    EXPECT_FALSE(dialog.accept());
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_TRUE(prompter.shown().first().okCancel);
    EXPECT_EQ(prompter.shown().first().text,
              "Currently assigned SMS Quota is lesser than the Total number of Messages to be "
              "sent in your SMS list.\n\nThe Total number of SMS in list is 100\nBut only 90 "
              "messages have been assigned to connected devices yet.\n10 unassigned Messages in "
              "the SMS list will remain unsent.\n\nDo you want to continue?");
    EXPECT_TRUE(devices.DeviceRecordText().isEmpty());
    EXPECT_EQ(devices.DeviceCount(), 0);

    prompter.answer(true);
    EXPECT_TRUE(dialog.accept());
    EXPECT_EQ(devices.DeviceCount(), 2);
}

TEST_F(QuotaAssignmentTest, QuotasAboveTheListAreRefused)
{
    open(100);
    manual(0, "80");
    manual(1, "30");

    EXPECT_FALSE(dialog.accept());
    EXPECT_EQ(prompter.texts(),
              QStringList{"Currently assigned SMS Quota should not be greater than the Total "
                          "number of Messages to be sent in your SMS list."});
    EXPECT_TRUE(devices.DeviceRecordText().isEmpty());
}

TEST_F(QuotaAssignmentTest, AQuotaPastTheListIsRefusedAndTheCellKeepsItsValue)
{
    const struct
    {
        const char* typed;
        bool taken;
    } cases[] = {
        {"100", true},          // the whole list
        {"101", false},         // more than the list holds
        {"4294967301", false},  // past 32 bits: would wrap to 5
        {"99999999999", false}, // past a count: would read back as 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedPrompter told;
        QuotaAssignment quotas{devices, told};
        quotas.open(100);
        EXPECT_EQ(quotas.maxQuotaDigits(), 3); // the editor takes no more
        quotas.changeQuotaType(0, "Manual");
        EXPECT_EQ(quotas.setAssignQuota(0, c.typed), c.taken);
        EXPECT_EQ(quotas.rows()[0].assignQuota, c.taken ? QString(c.typed) : QString("0"));
        EXPECT_EQ(told.texts().size(), c.taken ? 0 : 1);
        EXPECT_EQ(quotas.quotaAssigned(), c.taken ? 100 : 0);
        quotas.cancel();
    }
}

TEST_F(QuotaAssignmentTest, UntickedRowsDoNotCountAndAreWrittenWithN)
{
    open(100);
    manual(0, "80");
    manual(1, "30");
    dialog.setTicked(1, false);
    EXPECT_EQ(dialog.quotaAssigned(), 80);
    EXPECT_FALSE(dialog.allTicked());

    prompter.answer(true); // 20 left unsent, no device on Auto
    ASSERT_TRUE(dialog.accept());
    EXPECT_EQ(FindDeviceRecord(devices.DeviceRecordText(), "COM7")->useFlag, "N");
}

TEST_F(QuotaAssignmentTest, TypeChangesResetTheQuotaAndResetAsksFirst)
{
    open(10);
    manual(0, "7");
    EXPECT_EQ(dialog.rows()[0].assignQuota, "7");
    dialog.changeQuotaType(0, "Manual"); // same as before: the number stays
    EXPECT_EQ(dialog.rows()[0].assignQuota, "7");
    dialog.changeQuotaType(0, "Auto");
    EXPECT_EQ(dialog.rows()[0].assignQuota, "Auto");
    EXPECT_EQ(dialog.quotaAssigned(), 0);

    dialog.setAssignQuota(1, "4x2"); // only digits reach the cell
    manual(1, "5");
    prompter.answer(false);
    EXPECT_FALSE(dialog.reset());
    EXPECT_EQ(dialog.rows()[1].quotaType, "Manual");
    prompter.answer(true);
    EXPECT_TRUE(dialog.reset());
    for (const QuotaRow& row : dialog.rows())
        EXPECT_EQ(row.quotaType + row.assignQuota + row.last, "AutoAutoAuto");
}

TEST_F(QuotaAssignmentTest, CancelAfterEditingRestoresTheRecordsExactly)
{
    const QString before = devices.DeviceRecordText();
    open(100);
    manual(0, "60");
    dialog.cancel();
    EXPECT_EQ(devices.DeviceRecordText(), before);
    EXPECT_EQ(devices.DeviceCount(), 2);
}

TEST_F(QuotaAssignmentTest, OpeningShowsStoredQuotasAndFlags)
{
    devices.setDeviceRecordText(";COM3;COM3 modem;Manual;0012;N;\n");
    open(50);
    const QuotaRow& com3 = dialog.rows()[0];
    EXPECT_EQ(com3.quotaType, "Manual");
    EXPECT_EQ(com3.assignQuota, "12");
    EXPECT_FALSE(com3.ticked);
    const QuotaRow& com7 = dialog.rows()[1]; // no line of its own
    EXPECT_EQ(com7.quotaType + com7.assignQuota, "AutoAuto");
    EXPECT_TRUE(com7.ticked);
}

TEST_F(QuotaAssignmentTest, NoRecipientsOrNoDevicesAreRefused)
{
    EXPECT_FALSE(dialog.mayOpen(0));
    EXPECT_EQ(prompter.texts(), QStringList{"Phone numbers-Messages list is empty."});

    devices.setConnectedDeviceText({});
    dialog.open(5);
    EXPECT_FALSE(dialog.accept());
    EXPECT_EQ(prompter.texts().last(), "Please select a device.");
}

} // namespace
