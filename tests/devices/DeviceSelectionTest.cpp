#include "devices/DeviceSelection.h"

#include "devices/DeviceRecords.h"
#include "devices/DeviceReview.h"
#include "devices/DeviceSettings.h"
#include "devices/DeviceTexts.h"
#include "support/DeviceDialogFixture.h"
#include "support/QtPrinters.h"

namespace {

class DeviceSelectionTest : public DeviceDialogFixture
{
protected:
    bool confirm()
    {
        return ConfirmDeviceSelection(table, settings, state, deviceChannel, prompter);
    }

    DeviceSettings settings{table, state.details(), prompter, {}};
};

TEST_F(DeviceSelectionTest, TheThirtyThirdTickedDeviceIsRefused)
{
    QStringList profiles;
    for (int i = 0; i < 33; ++i)
        profiles.append(QString());
    modems.start(profiles);
    for (int i = 0; i < 33; ++i)
        addDevice(FirstPort + i);

    EXPECT_FALSE(confirm());
    EXPECT_EQ(prompter.texts(), QStringList{DeviceText::tooManyDevices()});
    EXPECT_EQ(state.choiceList().size(), MaxConfirmedDevices);
    EXPECT_EQ(state.deviceModeList().size(), MaxConfirmedDevices);
    EXPECT_TRUE(state.ConnectedDeviceText().isEmpty());
    EXPECT_FALSE(channel.isOpen());
}

TEST_F(DeviceSelectionTest, ConfirmedDevicesReachTheListsAndRecordsAndReadBack)
{
    modems.start({"", "", "", ""});
    addDevice(4);
    addDevice(5, QString()); // no mode: asked about and skipped
    addDevice(6, QStringLiteral("Text Mode"));
    addDevice(7);
    table.rows[3].checked = false;
    table.rows[2].smscNo = QStringLiteral("+4911");
    table.rows[2].useCustomSmsc = QStringLiteral("Y");
    prompter.answer(true);

    ASSERT_TRUE(confirm());
    EXPECT_EQ(prompter.texts(),
              QStringList{"COM5 - QSIM-900 Modem at COM5\r\n\r\n" + DeviceText::modeBlank() +
                          DeviceText::continueWithout()});
    EXPECT_TRUE(prompter.shown()[0].okCancel); // OK skips the row, Cancel ends
    const QList<DeviceChoice> expected{{"COM4 - QSIM-900 Modem at COM4", 4},
                                       {"COM6 - QSIM-900 Modem at COM6", 6},
                                       {AllDeviceText(), 0}};
    EXPECT_EQ(state.choiceList(), expected);
    EXPECT_EQ(state.choiceSelection(), 2);
    EXPECT_EQ(state.deviceModeList(), (QList<int>{1, 2, 0}));
    EXPECT_EQ(state.deviceList().size(), 3);
    EXPECT_EQ(state.DeviceCount(), 2);
    EXPECT_EQ(state.DeviceRecordText(), ";COM4;QSIM-900 Modem at COM4;Auto;Auto;Y;\n"
                                        ";COM6;QSIM-900 Modem at COM6;Auto;Auto;Y;\n");
    EXPECT_EQ(state.FindCustomSmsc("COM6"), QString("+4911"));
    EXPECT_EQ(state.LastConfirmedDevice(), (DeviceChoice{"QSIM-900 Modem at COM6", 6}));

    const DeviceTable review = ReviewTableFromState(state);
    ASSERT_EQ(review.rows.size(), 2u);
    for (const ScanDeviceRow& row : review.rows) {
        ScanDeviceRow original = table.rows[std::size_t(table.rowOfPort(row.comPort))];
        original.imeiNo.clear();
        EXPECT_EQ(row, original);
    }
}

TEST_F(DeviceSelectionTest, RefusalsStopBeforeAnyProbe)
{
    addDevice(4);
    table.rows[0].checked = false;
    EXPECT_FALSE(confirm());
    table.rows[0].checked = true;
    settings.customBox = true;
    settings.customNumber = QStringLiteral("44+1");
    EXPECT_FALSE(confirm());
    EXPECT_EQ(prompter.texts(),
              QStringList({DeviceText::selectValidDevice(), DeviceText::invalidSmsc()}));
    EXPECT_EQ(settings.focus, SettingsFocus::CustomNumber);
}

TEST_F(DeviceSelectionTest, AVanishedPortIsAskedAboutAndCancelEnds)
{
    modems.start({""});
    addDevice(4);
    addDevice(9); // nothing there
    prompter.answer(false);

    EXPECT_FALSE(confirm());
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.shown()[0].okCancel);
    EXPECT_TRUE(prompter.texts()[0].startsWith("COM9 - QSIM-900 Modem at COM9\r\n\r\n" +
                                               DeviceText::notWorking()));
    EXPECT_EQ(state.choiceList().size(), 1); // kept until the next confirmation
}

TEST_F(DeviceSelectionTest, OpeningAndContinuingWithoutEmptyTheRecords)
{
    state.setConnectedDeviceText("x");
    state.setDeviceRecordText(";COM4;d;Auto;Auto;Y;\n");
    state.setDeviceCount(1);
    state.setDeviceList({"COM4 - d"}, 0);
    state.setChoiceList({{"COM4 - d", 4}}, 0);
    state.setCustomSmscList({"COM4||+1||Y"});
    PrepareDeviceSelection(state, deviceChannel);
    EXPECT_EQ(closeAllCalls, 1);
    EXPECT_TRUE(state.ConnectedDeviceText().isEmpty());
    EXPECT_TRUE(state.DeviceRecordText().isEmpty());
    EXPECT_EQ(state.DeviceCount(), 0);
    EXPECT_TRUE(state.deviceList().isEmpty());
    EXPECT_EQ(state.choiceList().size(), 1);

    ContinueWithoutDevice(state);
    EXPECT_TRUE(state.choiceList().isEmpty());
    EXPECT_TRUE(state.customSmscList().isEmpty());
}

} // namespace
