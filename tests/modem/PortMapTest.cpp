#include "modem/PortMap.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PortMapDefaultTest, FamiliesMapToTheirPortRanges)
{
    const struct
    {
        QString device;
        int port;
    } cases[] = {
        {"ttyS0", 1},       {"ttyS99", 100},  {"ttyUSB0", 101},
        {"ttyUSB199", 300}, {"ttyACM0", 301}, {"ttyACM199", 500},
    };
    for (const auto& c : cases) {
        const QString path = "/dev/" + c.device;
        EXPECT_EQ(PortMap::defaultDeviceName(c.port), path);
        EXPECT_EQ(PortMap::defaultPortNumber(path), c.port) << path.toStdString();
        EXPECT_EQ(PortMap::defaultPortNumber(c.device), c.port) << c.device.toStdString();
    }
}

TEST(PortMapDefaultTest, OtherNamesAndNumbersMapToNothing)
{
    for (const QString name :
         {"/dev/ttyS100", "/dev/ttyUSB200", "/dev/ttyACM200", "/dev/ttyS01", "/dev/ttyS-1",
          "/dev/ttyS", "/dev/ttyAMA0", "/dev/pts/3", "/tmp/ttyS0", "/dev/ttyS0x", "COM1"})
        EXPECT_EQ(PortMap::defaultPortNumber(name), std::nullopt) << name.toStdString();
    for (int port : {-1, 0, 501, 512, 513})
        EXPECT_EQ(PortMap::defaultDeviceName(port), std::nullopt) << port;
}

TEST(PortMapDefaultTest, EveryNamedPortMapsBack)
{
    int named = 0;
    for (int port = 1; port <= PortMap::MaxPort; ++port) {
        if (const auto name = PortMap::defaultDeviceName(port)) {
            ++named;
            EXPECT_EQ(PortMap::defaultPortNumber(*name), port) << name->toStdString();
        }
    }
    EXPECT_EQ(named, 500);
}

// A ports folder: COM3 a symlink to a device, COM12 the device entry itself, COM4 a symlink to
// nothing, and names that are not ports.
class PortMapFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid() && devices.isValid());
        touch(devices.filePath("modem"));
        ASSERT_TRUE(QFile::link(devices.filePath("modem"), entry("COM3")));
        ASSERT_TRUE(QFile::link(devices.filePath("gone"), entry("COM4")));
        for (const char* name : {"COM12", "COM0", "COM05", "com6", "COMx", "COM513", "notes.txt"})
            touch(entry(name));
    }

    QString entry(const QString& name) const { return QDir(folder.path()).filePath(name); }

    static void touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir folder;
    QTemporaryDir devices;
    PortMap ports{folder.path()};
};

TEST_F(PortMapFolderTest, OnlyExistingPortEntriesCount)
{
    EXPECT_EQ(ports.existingPorts(), (std::vector<int>{3, 12}));
    EXPECT_TRUE(ports.exists(3));
    EXPECT_FALSE(ports.exists(4));
    EXPECT_FALSE(ports.exists(6));
}

TEST_F(PortMapFolderTest, PathsComeFromTheFolderOnly)
{
    EXPECT_EQ(ports.devicePath(3), entry("COM3"));
    EXPECT_EQ(ports.devicePath(4), entry("COM4"));
    EXPECT_EQ(ports.devicePath(1), entry("COM1"));
    EXPECT_EQ(ports.devicePath(0), std::nullopt);
    EXPECT_EQ(ports.devicePath(PortMap::MaxPort + 1), std::nullopt);
}

TEST_F(PortMapFolderTest, DevicesMapBackThroughTheirEntries)
{
    EXPECT_EQ(ports.portNumber(devices.filePath("modem")), 3);
    EXPECT_EQ(ports.portNumber(entry("COM3")), 3);
    EXPECT_EQ(ports.portNumber(entry("COM12")), 12);
    EXPECT_EQ(ports.portNumber(entry("notes.txt")), std::nullopt);
    EXPECT_EQ(ports.portNumber("/dev/ttyS0"), std::nullopt);
}

} // namespace
