#include "devices/ModemScan.h"

#include "base/Clock.h"
#include "devices/DeviceDetailsStore.h"
#include "devices/OpeningProbe.h"
#include "devices/PortEnumeration.h"
#include "devices/ScanResults.h"
#include "modem/CSMSSerialPort.h"
#include "modem/PortMap.h"
#include "support/PseudoTerminal.h"
#include "support/QtPrinters.h"
#include "support/RecordingChannel.h"
#include "support/ScriptedPrompter.h"
#include "support/SimulatedModems.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FixedLister : public SerialPortLister
{
public:
    std::vector<ListedSerialPort> listSerialPorts() const override { return listed; }
    std::vector<ListedSerialPort> listed;
};

// Passes everything on to the results and can ask the scan to stop after a number of rows.
class StoppingSink : public ScanSink
{
public:
    explicit StoppingSink(ScanResults& results) : m_results(results) {}

    void clearScanResults() override { m_results.clearScanResults(); }
    void setFinalPorts(const std::vector<int>& ports, const QStringList& names) override
    {
        m_results.setFinalPorts(ports, names);
    }
    void resetCustomSmscList(const QStringList& entries) override
    {
        m_results.resetCustomSmscList(entries);
    }
    bool hasImei(const QString& imei) const override { return m_results.hasImei(imei); }
    void appendDevice(const QString& portText, const QString& details, const ScanDeviceRow& row,
                      int modeCode) override
    {
        m_results.appendDevice(portText, details, row, modeCode);
        if (++m_appended == stopAfter && scan)
            scan->requestStop();
    }

    int stopAfter = 0;
    ModemScan* scan = nullptr;

private:
    ScanResults& m_results;
    int m_appended = 0;
};

// Simulated modems on ports FirstPort, FirstPort + 1, ... in a ports folder, and a scan over it.
class ModemScanTest : public ::testing::Test
{
protected:
    static constexpr int FirstPort = 4;

    void runScan()
    {
        ASSERT_TRUE(scan.StartModemScan());
        scan.waitUntilFinished();
        EXPECT_FALSE(scan.isRunning());
    }

    QStringList listedPorts() const
    {
        QStringList ports;
        for (const ScanDeviceRow& row : results.rows())
            ports.append(row.comPort);
        return ports;
    }

    SimulatedModems modems{FirstPort};
    PortMap& ports = modems.ports();
    Clock clock{25};
    CSMSSerialPort channel{ports, clock};
    FixedLister lister;
    DeviceDetailsStore details;
    ScanResults results{details};
    StoppingSink sink{results};
    ScriptedPrompter prompter;
    ModemScan scan{{ports, clock, channel, lister, sink, prompter, {}, {}}};
};

TEST_F(ModemScanTest, ASimThatStandsInTheWayIsSaidInTheRowAndDetailsAndAGoodOneShowsNothing)
{
    const QString urc = QStringLiteral(",urc=\"+CREG: 1\",urc=^RSSI:20,urc-every=2");
    modems.start({"imei=1,pin=1234" + urc, "imei=2,sim-puk" + urc, "imei=3,no-sim" + urc,
                  "imei=4,not-registered" + urc, "imei=5" + urc});
    runScan();

    const std::vector<ScanDeviceRow> rows = results.rows();
    ASSERT_EQ(rows.size(), 5u);
    const char* expected[] = {"SIM PIN required", "SIM PUK required", "SIM not inserted",
                              "Not registered on a network", ""};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows[i].comPortStatus, expected[i]) << i;
        const QString entry = details.FindDeviceDetails(rows[i].comPort);
        EXPECT_TRUE(entry.contains("\nSignal Quality :")) << entry.toStdString();
        if (*expected[i])
            EXPECT_TRUE(entry.endsWith(QStringLiteral("\nSIM State :") + expected[i]))
                << entry.toStdString();
        else
            EXPECT_FALSE(entry.contains("SIM State")) << entry.toStdString();
    }
}

TEST_F(ModemScanTest, ListsEachModemWithItsRowDetailsAndMode)
{
    modems.start({"imei=111", "text-only,imei=222,smsc=+4912345", "pdu-only,imei=333"});
    runScan();

    const std::vector<ScanDeviceRow> rows = results.rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].columns(),
              QStringList({"COM4", "QSIM-900 Modem at COM4", "", "+447785016005", "111", "PDU Mode",
                           "+447785016005", ";PDU Mode;Text Mode;", "N"}));
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ(rows[1].smsMode, "Text Mode");
    EXPECT_EQ(rows[1].smscNo, "+4912345");
    EXPECT_EQ(rows[2].smsMode, "PDU Mode");
    EXPECT_EQ(results.DeviceModeList(), (std::vector<int>{1, 2, 1}));

    EXPECT_EQ(results.FinalPortList(), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(results.FinalPortNames(), QStringList({"(COM4)", "(COM5)", "(COM6)"}));
    EXPECT_EQ(results.CustomSmscList(), QStringList({"COM4||||N", "COM5||||N", "COM6||||N"}));
    EXPECT_TRUE(details.FindDeviceDetails("COM5").startsWith(
        "COM Port :COM5\nCom Port Details :QSIM-900 Modem at COM5\nManufacturer :QSIM\n"));
    EXPECT_EQ(details.GetDetailValue("COM5", "Supported SMS Mode :"), "Text Mode");
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_FALSE(channel.isOpen());
}

// Unsolicited lines inside every answer change neither what the scan asks a modem nor what it
// finds: the interrogation of a noisy modem is the one of a quiet modem, question for question.
TEST_F(ModemScanTest, UnsolicitedLinesInEveryAnswerChangeNeitherTheQuestionsNorTheFindings)
{
    modems.start({"imei=111", UnsolicitedNoise + ",urc-every=1,imei=111"},
                 SimulatedModems::Noise::Quiet);
    struct Interrogation
    {
        QList<QByteArray> written;
        QStringList row;
        QString details;
        qsizetype unsolicited = 0;
    };
    std::vector<Interrogation> interrogations;
    for (const int port : {FirstPort, FirstPort + 1}) {
        DeviceDetailsStore found;
        ScanResults sink{found};
        channel.Open(port, ModemScan::ProbeTimeoutMs);
        RecordingChannel recorded{channel};
        EXPECT_TRUE(interrogateScannedPort(recorded, port, {}, sink, {}));
        channel.Close();
        ASSERT_EQ(sink.rows().size(), 1u) << port;
        // The port is named in the row and the details; the rest must not differ.
        const auto samePort = [&](QString text) { return text.replace(portTextOf(port), "COMx"); };
        QStringList row;
        for (const QString& column : sink.rows()[0].columns())
            row.append(samePort(column));
        interrogations.push_back({recorded.transcript(), row,
                                  samePort(found.FindDeviceDetails(portTextOf(port))),
                                  recorded.takeUnsolicited().size()});
    }
    const Interrogation& quiet = interrogations[0];
    const Interrogation& noisy = interrogations[1];
    EXPECT_EQ(quiet.unsolicited, 0);
    EXPECT_GE(noisy.unsolicited, noisy.written.size()); // a burst in every answer
    EXPECT_EQ(noisy.written, quiet.written);
    EXPECT_EQ(noisy.row, quiet.row);
    EXPECT_EQ(noisy.details, quiet.details);
    EXPECT_TRUE(quiet.details.contains("\nSignal Quality :High (20)"))
        << quiet.details.toStdString();
}

TEST_F(ModemScanTest, APortThatIsNoModemKeepsItsLineSettings)
{
    modems.start({"imei=1"});
    PseudoTerminal console; // answers nothing, as a console or a GPS receiver would
    ASSERT_TRUE(QFile::link(console.slavePath(), QDir(modems.folder()).filePath("COM9")));
    termios before = console.slaveSettings();
    cfsetospeed(&before, B115200);
    before.c_lflag |= ICANON | ECHO;
    ASSERT_EQ(::tcsetattr(console.masterFd(), TCSANOW, &before), 0);

    runScan();
    EXPECT_EQ(listedPorts(), QStringList{"COM4"});
    const termios after = console.slaveSettings();
    EXPECT_EQ(cfgetospeed(&after), speed_t(B115200));
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO), tcflag_t(ICANON | ECHO));
}

TEST_F(ModemScanTest, SystemNamesDescribePortsOrAreSkipped)
{
    modems.start({"imei=1", "imei=2", "imei=3", "imei=4", "imei=5"});
    lister.listed = {
        {4, "USB Modem"},                  // gets its tag and describes the port
        {5, "Acme Modem (COM5)"},          // used as it is
        {6, "Acme Mobile Logging (COM6)"}, // never opened
        {7, "Communications Port"},        // a PC's own port: not listed
        {8, "(COM8)"},                     // a bare tag: the modem describes the port
    };
    runScan();

    const std::vector<ScanDeviceRow> rows = results.rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].comPortDetails, "USB Modem on (COM4)");
    EXPECT_EQ(rows[1].comPortDetails, "Acme Modem (COM5)");
    EXPECT_EQ(rows[2].comPort, "COM8");
    EXPECT_EQ(rows[2].comPortDetails, "QSIM-900 Modem at COM8");
    EXPECT_EQ(results.CustomSmscList().size(), 5);
}

TEST_F(ModemScanTest, OneImeiIsListedOnceAndBusyPortsAreSkipped)
{
    modems.start({"imei=777", "imei=777", "imei=888", "imei=999"});
    // Another program holds COM6: it exists, so it is probed, but it cannot be opened.
    CSMSSerialPort other(ports, clock);
    other.Open(FirstPort + 2, 1000);
    runScan();

    EXPECT_EQ(listedPorts(), QStringList({"COM4", "COM7"}));
    EXPECT_EQ(results.FinalPortList(), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_TRUE(scan.deniedPorts().empty());
}

TEST_F(ModemScanTest, NoPortAtAllIsToldPortsWithoutModemsAreNot)
{
    ASSERT_TRUE(QDir(modems.folder()).exists());
    runScan();
    EXPECT_EQ(prompter.texts(), QStringList{ModemScan::NoDeviceMessage()});

    ScriptedPrompter quiet;
    ModemScan again{{ports, clock, channel, lister, sink, quiet, {}, {}}};
    modems.start({"hang", "echo-only"});
    ASSERT_TRUE(again.StartModemScan());
    again.waitUntilFinished();
    EXPECT_TRUE(results.rows().empty());
    EXPECT_EQ(results.FinalPortList(), (std::vector<int>{4, 5}));
    EXPECT_TRUE(quiet.shown().isEmpty());
}

TEST_F(ModemScanTest, StoppingMidScanKeepsTheRowsFound)
{
    modems.start({"imei=1", "imei=2", "imei=3"});
    sink.stopAfter = 1;
    sink.scan = &scan;
    runScan();

    EXPECT_EQ(listedPorts(), QStringList{"COM4"});
    EXPECT_EQ(results.DeviceModeList().size(), 1u);
    EXPECT_EQ(details.entries().size(), 1);
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(scan.StartModemScan()); // a stopped scan can be started again
    scan.waitUntilFinished();
}

TEST_F(ModemScanTest, StopAsksFirstAndNoLetsTheScanGoOn)
{
    modems.start({"imei=1", "imei=2"});
    prompter.answer(false);
    ASSERT_TRUE(scan.StartModemScan());
    // The scan waits at its next port boundary while the question is open.
    EXPECT_FALSE(scan.StopModemScan(true));
    scan.waitUntilFinished();
    EXPECT_EQ(listedPorts(), QStringList({"COM4", "COM5"}));
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].caption, "Confirm");
    EXPECT_EQ(prompter.shown()[0].text, ModemScan::StopScanQuestion());
}

TEST_F(ModemScanTest, StopAnsweredYesEndsTheScanWithoutItsClosingMessages)
{
    modems.start({"hang", "hang", "hang"});
    prompter.answer(true);
    ASSERT_TRUE(scan.StartModemScan());
    EXPECT_TRUE(scan.StopModemScan(true, ModemScan::TroubleshootingQuestion()));
    EXPECT_FALSE(scan.isRunning());
    EXPECT_FALSE(scan.progress().running);
    EXPECT_EQ(prompter.texts(), QStringList{ModemScan::TroubleshootingQuestion()});
    EXPECT_FALSE(channel.isOpen());
}

TEST(ModemScanMessageTest, PermissionMessageNamesPortsByGroup)
{
    const QString text =
        ModemScan::permissionMessage({{101, "dialout"}, {102, "dialout"}, {301, "uucp"}});
    EXPECT_TRUE(text.startsWith("Some ports could not be opened")) << text.toStdString();
    EXPECT_TRUE(text.contains("COM101, COM102: belong to the group \"dialout\""))
        << text.toStdString();
    EXPECT_TRUE(text.contains("sudo usermod -aG dialout $USER")) << text.toStdString();
    EXPECT_TRUE(text.contains("COM301: belongs to the group \"uucp\"")) << text.toStdString();
}

TEST(ModemScanMessageTest, PortsNoGroupCanOpenAreForTheAdministrator)
{
    const QString one = ModemScan::permissionMessage({{1, ""}});
    EXPECT_TRUE(one.startsWith("A port could not be opened because your account has no "
                               "permission to use it"))
        << one.toStdString();
    EXPECT_TRUE(one.contains("COM1: is not accessible to normal users")) << one.toStdString();
    EXPECT_FALSE(one.contains("usermod"));
    const QString two = ModemScan::permissionMessage({{1, ""}, {2, ""}, {101, "dialout"}});
    EXPECT_TRUE(two.contains("COM1, COM2: are not accessible to normal users"))
        << two.toStdString();
    EXPECT_TRUE(two.contains("COM101: belongs to the group \"dialout\"")) << two.toStdString();
}

TEST(ModemScanMessageTest, AGroupIsAdvisedOnlyWhenItsBitsGrantReadAndWrite)
{
    const struct
    {
        unsigned mode;
        unsigned gid;
        const char* group;
        const char* advised;
    } cases[] = {
        {020660, 20, "dialout", "dialout"}, // crw-rw----: the usual serial port
        {020600, 20, "dialout", ""},        // crw-------: the group has no access
        {020640, 20, "dialout", ""},        // read only
        {020620, 5, "tty", ""},             // crw--w----: a console, write only
        {020660, 0, "root", ""},            // the root group is never advised
        {020666, 0, "root", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(groupGrantingAccess(c.mode, c.gid, c.group), QString(c.advised))
            << std::oct << c.mode << " " << c.group;
}

} // namespace
