#include "devices/DeviceDetailsStore.h"

#include "modem/Interrogation.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceDetailsStoreTest, FindsTheFirstEntryOfAPort)
{
    DeviceDetailsStore store;
    store.append("COM7", deviceDetailsText("COM7", "First", "Default SMSC No. :+4411\n"));
    store.append("COM17", deviceDetailsText("COM17", "Other", "Default SMSC No. :+4417\n"));
    store.append("COM7", deviceDetailsText("COM7", "Second", "Default SMSC No. :+4499\n"));

    EXPECT_EQ(store.FindDeviceDetails("COM7"),
              "COM Port :COM7\nCom Port Details :First\nDefault SMSC No. :+4411\n");
    EXPECT_EQ(store.FindDeviceDetails("COM1"), "");
    EXPECT_EQ(store.GetDetailValue("COM17", "Default SMSC No. :"), "+4417");
    EXPECT_EQ(store.GetDetailValue("COM17", "Com Port Details :"), "Other");
    EXPECT_EQ(store.GetDetailValue("COM1", "Default SMSC No. :"), "");
    EXPECT_EQ(store.deviceInformationOf("COM17"), store.FindDeviceDetails("COM17"));
}

TEST(DeviceDetailsStoreTest, DefaultSmscPresence)
{
    DeviceDetailsStore store;
    store.append("COM1", deviceDetailsText("COM1", "A", "Default SMSC No. :+4411\nX :y"));
    store.append("COM2", deviceDetailsText("COM2", "B", "Default SMSC No. :   \nX :y"));
    EXPECT_TRUE(HasDefaultSmsc("COM1", store));
    EXPECT_FALSE(HasDefaultSmsc("COM2", store));
    EXPECT_FALSE(HasDefaultSmsc("COM3", store));
    store.clear();
    EXPECT_FALSE(HasDefaultSmsc("COM1", store));
}

} // namespace
