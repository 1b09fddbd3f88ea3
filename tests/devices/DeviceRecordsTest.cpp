#include "devices/DeviceRecords.h"

#include "devices/DeviceState.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceRecordsTest, RecordLinesRoundTripAndKeepADescriptionWithSemicolons)
{
    const QList<DeviceRecord> records = {
        {"COM3", "QSIM-900 Modem at COM3", "Manual", "60", "Y"},
        {"COM7", "Phone; second SIM", "Auto", "Auto", "N"},
    };
    QString text;
    for (const DeviceRecord& record : records)
        text += DeviceRecordLine(record);
    EXPECT_EQ(text, ";COM3;QSIM-900 Modem at COM3;Manual;60;Y;\n"
                    ";COM7;Phone; second SIM;Auto;Auto;N;\n");

    EXPECT_EQ(ParseDeviceRecordText(text + "\n"), records);
    EXPECT_EQ(FindDeviceRecord(text, "COM7")->useFlag, "N");
    EXPECT_FALSE(FindDeviceRecord(text, "COM1").has_value());
}

TEST(DeviceRecordsTest, ConnectedDeviceTextReadsBackTheSevenFieldsPerDevice)
{
    const ConnectedDevice a{"COM3",     "Modem: one",           "+4477", "+4477",
                            "PDU Mode", ";PDU Mode;Text Mode;", "N"};
    const ConnectedDevice b{
        "COM12", "Unknown Device on COM12", "", "+331", "Text Mode", ";Text Mode;", "Y"};
    const QString text = ConnectedDeviceBlock(a) + ConnectedDeviceBlock(b);

    EXPECT_EQ(ParseConnectedDeviceText(text), QList<ConnectedDevice>({a, b}));
}

TEST(DeviceRecordsTest, PortNumbersFromTextsAndLabels)
{
    EXPECT_EQ(PortNumberOfText("COM7"), 7);
    EXPECT_EQ(PortNumberOfText("COMx"), 0);
    EXPECT_EQ(PortNumberOfLabel("COM12 - QSIM - 2"), 12);
    EXPECT_EQ(PortNumberOfLabel("All Device"), 0);
    EXPECT_EQ(PortPrefix(5), "COM5 - ");
}

TEST(DeviceStateTest, CustomSmscCountsOnlyAPortsFirstEntryWithANumberInUse)
{
    DeviceState devices;
    devices.setCustomSmscList({"COM1||||N", "COM2||+4477||Y", "COM3||+4477||N", "COM2||+99||Y"});

    EXPECT_FALSE(devices.FindCustomSmsc("COM1").has_value());
    EXPECT_EQ(devices.FindCustomSmsc("COM2"), QString("+4477"));
    EXPECT_FALSE(devices.FindCustomSmsc("COM3").has_value());
    EXPECT_FALSE(devices.FindCustomSmsc("COM4").has_value());

    devices.saveCustomSmsc("COM2", "+55", "Y");
    EXPECT_EQ(devices.FindCustomSmsc("COM2"), QString("+99")); // the older entry is first now
    devices.RemoveCustomSmsc("COM2");
    EXPECT_EQ(devices.FindCustomSmsc("COM2"), QString("+55"));
}

TEST(DeviceStateTest, SendSettingsAreFoundByPortWhateverTheListPosition)
{
    DeviceState devices;
    devices.setChoiceList({{"COM3 - A", 3}, {"COM7 - B", 7}, {"All Device", 0}}, 2);
    devices.setDeviceModeList({2, 1, 0});
    devices.setCustomSmscList({"COM7||+4477||Y"});
    devices.setDeviceList({"COM7 - B", "All Device"}, 1); // COM3 dropped by the device check

    EXPECT_EQ(devices.sendSettingsOf(7).messageMode, 1);
    EXPECT_TRUE(devices.sendSettingsOf(7).customSmsc);
    EXPECT_EQ(devices.sendSettingsOf(7).smscNumber, "+4477");
    EXPECT_EQ(devices.sendSettingsOf(3).messageMode, 2);
    EXPECT_FALSE(devices.sendSettingsOf(3).customSmsc);
    EXPECT_EQ(devices.sendSettingsOf(9).messageMode, 0);

    EXPECT_EQ(devices.removeFromDeviceList("COM7 - "), QString("COM7 - B"));
    EXPECT_EQ(devices.deviceList(), QStringList{"All Device"});
    EXPECT_EQ(devices.selectedDevice(), "All Device");
    EXPECT_FALSE(devices.removeFromDeviceList("COM7 - ").has_value());
}

} // namespace
