#include "devices/PortEnumeration.h"

#include "devices/OpeningProbe.h"
#include "devices/PortNameMerge.h"
#include "modem/PortMap.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

// A sysfs tty class folder built in a temporary directory: each tty a folder whose "device"
// link points into a devices tree, as the kernel lays it out.
class FakeSysfs
{
public:
    FakeSysfs() { QDir(root.path()).mkpath("class/tty"); }

    QString classFolder() const { return root.filePath("class/tty"); }

    void addUsbTty(const QString& tty, const QString& manufacturer, const QString& product)
    {
        const QString usb = "devices/usb1/1-" + tty;
        write(usb + "/idVendor", "12d1");
        if (!manufacturer.isNull())
            write(usb + "/manufacturer", manufacturer + "\n");
        if (!product.isNull())
            write(usb + "/product", product + "\n");
        const QString interface = usb + "/1-1:1.0/" + tty;
        QDir(root.path()).mkpath(interface);
        addTty(tty, interface);
    }

    void addSerialCoreTty(const QString& tty, const QString& type)
    {
        QDir(root.path()).mkpath("devices/platform/serial8250");
        addTty(tty, "devices/platform/serial8250");
        write("class/tty/" + tty + "/type", type + "\n");
    }

    void addVirtualTty(const QString& tty) { QDir(root.path()).mkpath("class/tty/" + tty); }

private:
    void addTty(const QString& tty, const QString& deviceFolder)
    {
        const QString folder = "class/tty/" + tty;
        QDir(root.path()).mkpath(folder);
        QFile::link(root.filePath(deviceFolder), root.filePath(folder + "/device"));
    }

    void write(const QString& relative, const QString& text)
    {
        const QString path = root.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    QTemporaryDir root;
};

TEST(SysfsSerialPortListerTest, NamesUsbAndBuiltInPortsAndLeavesOutTheRest)
{
    FakeSysfs sysfs;
    sysfs.addUsbTty("ttyUSB2", "HUAWEI", "HUAWEI Mobile");
    sysfs.addUsbTty("ttyACM0", "Acme", "LTE Modem");
    sysfs.addUsbTty("ttyUSB0", QString(), QString());
    sysfs.addSerialCoreTty("ttyS0", "4");
    sysfs.addSerialCoreTty("ttyS1", "0"); // a node without a UART
    sysfs.addVirtualTty("tty1");
    sysfs.addUsbTty("ttyXRUSB0", "Acme", "Unmapped"); // no port number

    const PortMap ports;
    const SysfsSerialPortLister lister(ports, sysfs.classFolder());
    const std::vector<ListedSerialPort> expected = {
        {1, "Communications Port"},
        {101, "USB Serial Device"},
        {103, "HUAWEI Mobile"},
        {301, "Acme LTE Modem"},
    };
    EXPECT_EQ(lister.listSerialPorts(), expected);
}

TEST(SysfsSerialPortListerTest, MissingFolderGivesNoNames)
{
    const PortMap ports;
    EXPECT_TRUE(SysfsSerialPortLister(ports, "/nonexistent/class/tty").listSerialPorts().empty());
    EXPECT_TRUE(makeSerialPortLister(PortMap(QString("/nonexistent")))->listSerialPorts().empty());
}

TEST(PortNameMergeTest, OpenedPortsTakeTheListedNameCarryingTheirTag)
{
    const std::vector<int> opened = {1, 5, 7, 10, 12};
    const std::vector<ListedSerialPort> listed = {
        {10, "Modem (COM10)"},      // already tagged: used unchanged
        {5, "USB Modem"},           // tagged by the merge
        {1, "Communications Port"}, // (COM1) must not match "(COM10)"
        {30, "Only listed"},        // never opened: dropped
    };
    const QStringList expected = {"Communications Port on (COM1)", "USB Modem on (COM5)", "(COM7)",
                                  "Modem (COM10)", "(COM12)"};
    EXPECT_EQ(mergePortNames(opened, listed), expected);
    EXPECT_EQ(mergePortNames(opened, {}),
              QStringList({"(COM1)", "(COM5)", "(COM7)", "(COM10)", "(COM12)"}));
}

TEST(PortNameMergeTest, BareTagsAndBlankNamesDescribeNothing)
{
    const struct
    {
        const char* name;
        bool bare;
    } cases[] = {
        {"(COM12)", true}, {"(COM512)", true},   {"", true},
        {"   ", true},     {"(COM1) xy", false}, {"USB Modem on (COM5)", false},
        {"COM5", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isBarePortName(c.name), c.bare) << c.name;
}

TEST(OpeningProbeTest, BusyAndForbiddenPortsExistOthersDoNot)
{
    for (int error : {EACCES, EPERM, EBUSY})
        EXPECT_TRUE(portExistsDespite(error)) << error;
    for (int error : {ENOENT, ENXIO, ENODEV, EIO, ENOTDIR, ELOOP})
        EXPECT_FALSE(portExistsDespite(error)) << error;
}

TEST(OpeningProbeTest, FindsTheFolderEntriesThatOpen)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"COM3", "COM512"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // A link to nothing is no port.
    QFile::link(folder.filePath("missing"), folder.filePath("COM4"));
    const PortMap ports(folder.path());
    EXPECT_EQ(ProbePortsByOpening(ports), (std::vector<int>{3, 512}));
    EXPECT_EQ(tryOpenPort(ports, 4), ENOENT);
}

} // namespace
