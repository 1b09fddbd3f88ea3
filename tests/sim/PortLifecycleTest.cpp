#include "PortClient.h"
#include "sim/SimError.h"

#include <QFile>
#include <cstring>
#include <sys/ioctl.h>

namespace fs = std::filesystem;

class PortLifecycleTest : public SimulatorTest
{};

TEST_F(PortLifecycleTest, LinksNameThePtysFromTheFirstPortAndGoAwayOnStop)
{
    sim::SimulatorOptions options;
    options.portsDir = fs::path(m_dir.path().toStdString()) / "new" / "ports";
    options.modems = 3;
    options.firstPort = 5;
    sim::ModemSimulator simulator(options);
    simulator.start();

    EXPECT_EQ(simulator.ports(), (std::vector<int>{5, 6, 7}));
    for (const int port : {5, 6, 7}) {
        const fs::path link = options.portsDir / ("COM" + std::to_string(port));
        EXPECT_EQ(fs::read_symlink(link), simulator.devicePath(port));
        EXPECT_EQ(simulator.devicePath(port).rfind("/dev/pts/", 0), 0u);
        PortClient client(link);
        EXPECT_TRUE(client.exchange("AT\r").endsWith("\r\nOK\r\n"));
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(options.portsDir / "COM4")));

    simulator.stop();
    for (const int port : {5, 6, 7})
        EXPECT_FALSE(
            fs::exists(fs::symlink_status(options.portsDir / ("COM" + std::to_string(port)))));
}

TEST_F(PortLifecycleTest, ReopenedPortStartsAfreshWithoutHangingUp)
{
    startSimulator();
    for (int round = 0; round < 3; ++round) {
        PortClient client(link(1));
        ASSERT_TRUE(client.isOpen()) << std::strerror(client.openError());
        EXPECT_EQ(client.exchange("AT\r"), QByteArray("AT\r\r\nOK\r\n"));
    }

    // An answer left unread, a half-typed command and the exclusive-use flag do not outlive the
    // program's close, as on a real serial port.
    {
        PortClient client(link(1));
        client.write("AT+CSQ\r");
        client.readUntil("AT+CSQ\r"); // its answer follows and is left unread
        client.write("AT+CG");
        client.readUntil("AT+CG"); // echoed, so the modem has it
        ASSERT_EQ(client.ioctl(TIOCEXCL, nullptr), 0);
    }
    PortClient client(link(1));
    ASSERT_TRUE(client.isOpen()) << std::strerror(client.openError());
    EXPECT_EQ(client.exchange("AT\r"), QByteArray("AT\r\r\nOK\r\n"));
    int exclusive = -1;
    ASSERT_EQ(client.ioctl(TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
}

TEST_F(PortLifecycleTest, StartFailsCleanlyWhenThePortFolderOrLogCannotBeUsed)
{
    const fs::path file = fs::path(m_dir.path().toStdString()) / "a-file";
    QFile(QString::fromStdString(file.string())).open(QIODevice::WriteOnly);

    sim::SimulatorOptions badFolder;
    badFolder.portsDir = file / "ports";
    EXPECT_THROW(sim::ModemSimulator(badFolder).start(), sim::SimError);

    sim::SimulatorOptions badLog;
    badLog.portsDir = fs::path(m_dir.path().toStdString()) / "ports";
    badLog.logFile = QString::fromStdString((file / "air.jsonl").string());
    EXPECT_THROW(sim::ModemSimulator(badLog).start(), sim::SimError);
    EXPECT_FALSE(fs::exists(fs::symlink_status(badLog.portsDir / "COM1")));
}

TEST_F(PortLifecycleTest, StaleLinkFromAnEarlierRunIsReplaced)
{
    const fs::path ports = fs::path(m_dir.path().toStdString()) / "ports";
    fs::create_directories(ports);
    fs::create_symlink("/dev/pts/does-not-exist", ports / "COM1");
    startSimulator();
    EXPECT_EQ(fs::read_symlink(ports / "COM1"), m_simulator->devicePath(1));
}
