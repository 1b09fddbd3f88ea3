#include "sim/ModemSimulator.h"
#include "support/ModemNoise.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// quillon-cli scan against simulated modems, on the real clock (the scan's designed 1 s wait).

namespace {

void startCli(QProcess& process, const QString& portsFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUILLON_PORTS", portsFolder);
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + "/../cli/quillon-cli", {"scan"});
}

TEST(ScanCommandTest, PrintsTheRowsThenTheDetails)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    sim::SimulatorOptions options;
    addUnsolicitedNoise(options);
    options.portsDir = folder.path().toStdString();
    options.modems = 3;
    options.addProfile(1, "imei=111");
    options.addProfile(2, "imei=111"); // the same modem's second port
    options.addProfile(3, "text-only,imei=333,smsc=+4912345");
    sim::ModemSimulator simulator(options);
    simulator.start();

    QProcess process;
    startCli(process, folder.path());
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "COM1\tQSIM-900 Modem at COM1\t\t+447785016005\t111\tPDU Mode\t"
                        "+447785016005\t;PDU Mode;Text Mode;\tN");
    EXPECT_EQ(lines[1], "COM3\tQSIM-900 Modem at COM3\t\t+4912345\t333\tText Mode\t+4912345\t"
                        ";PDU Mode;Text Mode;\tN");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "COM1||COM Port :COM1");
    EXPECT_TRUE(lines.contains("COM3||COM Port :COM3"));
}

TEST(ScanCommandTest, NoPortAtAllIsReported)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess process;
    startCli(process, folder.path());
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .contains("No compatible device found connected to your computer."));
}

} // namespace
