#include "devices/ConnectionTest.h"

#include "base/StatusTexts.h"
#include "devices/DeviceTexts.h"
#include "support/DeviceDialogFixture.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <condition_variable>
#include <mutex>

namespace {

QStringList namesOf(const QList<TestCaseRow>& cases)
{
    QStringList names;
    for (const TestCaseRow& row : cases)
        names.append(row.caseName);
    return names;
}

QStringList statusesOf(const QList<TestCaseRow>& cases)
{
    QStringList statuses;
    for (const TestCaseRow& row : cases)
        statuses.append(row.status);
    return statuses;
}

TEST(ConnectionTestCases, ChosenByModeAndDefaultSmsc)
{
    struct Case
    {
        const char* supported;
        const char* smsc;
        QStringList names;
    } cases[] = {
        {"PDU Mode & Text Mode",
         "+4912",
         {"PDU_DEF_SMSC", "PDU_CUS_SMSC", "TXT_DEF_SMSC", "TXT_CUS_SMSC"}},
        {"Text Mode", "+4912", {"TXT_DEF_SMSC", "TXT_CUS_SMSC"}},
        {"PDU Mode", "", {"PDU_CUS_SMSC"}},
        {"None", "+4912", {}},
    };
    for (const Case& c : cases) {
        const QString details = QStringLiteral("Supported SMS Mode :%1\n").arg(c.supported);
        const QList<TestCaseRow> rows = TestCasesFor(details, c.smsc, "M1", "PDU_CUS_SMSC||ok||");
        EXPECT_EQ(namesOf(rows), c.names) << c.supported;
        if (!rows.isEmpty()) {
            EXPECT_EQ(rows.last().possibleCase, QStringLiteral("Case %1:").arg(rows.size()));
            EXPECT_TRUE(rows[0].caseSms.endsWith(" is working for Device Model: M1"));
        }
    }
    EXPECT_EQ(StatusInHistory("PDU_DEF_SMSC||a||PDU_CUS_SMSC||b||", "PDU_CUS_SMSC"), "b");
}

class ConnectionTestTest : public DeviceDialogFixture
{
protected:
    std::unique_ptr<ConnectionTest> open(const QString& ports)
    {
        return std::make_unique<ConnectionTest>(
            ConnectionTestDependencies{state.details(), deviceChannel, references, prompter, {}},
            table, ports, QStringLiteral("+4917012345"));
    }
};

TEST_F(ConnectionTestTest, RunsEveryCaseAndKeepsErrorsAsStatuses)
{
    modems.start({"", "cms-error=330"});
    addDevice(4);
    addDevice(5, "PDU Mode", "+4912", "PDU Mode");
    const auto test = open("COM4;COM5;");
    ASSERT_EQ(test->devices().size(), 2);
    EXPECT_EQ(test->startCaption(), "Start Test for Device Connected at : COM");

    test->chooseDevice(0);
    EXPECT_EQ(test->startCaption(), "Start Test for Device Connected at : COM4");
    test->customSmsc = QStringLiteral("+4977");
    ASSERT_TRUE(test->Start());
    test->waitUntilFinished();
    EXPECT_EQ(statusesOf(test->cases()), QStringList(4, StatusTexts::messageSent()));
    const std::vector<sim::AirMessage> air = modems.air();
    ASSERT_EQ(air.size(), 4u);
    EXPECT_EQ(air[1].smsc, "+4977");
    EXPECT_EQ(air[2].mode, "text");
    EXPECT_EQ(air[0].text, "'PDU Mode with Default SMSC is working for Device Model: QSIM-900'");
    EXPECT_TRUE(test->logButtonsShown());
    EXPECT_EQ(test->devices()[0].history.count("Message sent successfully."), 4);

    test->chooseDevice(1);
    test->customSmsc = QStringLiteral("+4977");
    ASSERT_TRUE(test->Start());
    test->waitUntilFinished();
    EXPECT_EQ(statusesOf(test->cases()), QStringList(2, QStringLiteral("+CMS ERROR: 330")));
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(ConnectionTestTest, APortThatCannotBeOpenedEndsTheRunWithOneMessage)
{
    addDevice(9);
    const auto test = open("COM9;");
    test->chooseDevice(0);
    test->customSmsc = QStringLiteral("+4977");
    ASSERT_TRUE(test->Start());
    test->waitUntilFinished();
    EXPECT_EQ(statusesOf(test->cases()), QStringList(4, QStringLiteral("Device Connection Error")));
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith(DeviceText::notWorkingWithError(QString())));
}

// Holds the test thread where it closes the channels before its first case, until released.
struct Gate
{
    std::mutex mutex;
    std::condition_variable changed;
    bool reached = false;
    bool open = false;

    void pass()
    {
        std::unique_lock lock(mutex);
        reached = true;
        changed.notify_all();
        changed.wait(lock, [this] { return open; });
    }
    void waitReached()
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return reached; });
    }
    void release()
    {
        const std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
};

TEST_F(ConnectionTestTest, StopOnlyAsksAndTheDialogWaitsForTheThread)
{
    modems.start({""});
    addDevice(4);
    Gate gate;
    deviceChannel.closeAllChannels = [&gate] { gate.pass(); };
    const auto test = open("COM4;");
    test->chooseDevice(0);
    test->customSmsc = QStringLiteral("+4977");
    ASSERT_TRUE(test->Start());
    gate.waitReached();

    prompter.answer(true);
    EXPECT_TRUE(test->Stop());
    EXPECT_TRUE(test->isRunning()); // the case under way still owns the channel
    EXPECT_FALSE(test->Close());
    EXPECT_FALSE(test->UseSelectedCase(0));
    EXPECT_FALSE(test->Start());
    EXPECT_EQ(prompter.texts().mid(1), QStringList(2, ConnectionTest::inProgressMessage()));
    EXPECT_EQ(table.rows[0].useCustomSmsc, "N");

    gate.release();
    test->waitUntilFinished();
    EXPECT_EQ(statusesOf(test->cases()), QStringList(4, QStringLiteral("Stopped")));
    EXPECT_TRUE(modems.air().empty());
    prompter.answer(true);
    EXPECT_TRUE(test->Close()); // now it asks about the device left without settings
    EXPECT_EQ(prompter.texts().last(),
              "You have not selected any connection settings yet for device connected at "
              "COM4.\nAre you sure to continue?");
}

TEST_F(ConnectionTestTest, ApplyingACustomSmscCaseRewritesTheOpenersRow)
{
    addDevice(4);
    addDevice(5, "Text Mode");
    const auto test = open("COM4;COM5;");
    int applied = -1;
    test->onApplied = [&applied](int row) { applied = row; };
    test->chooseDevice(1);
    test->customSmsc = QStringLiteral("+4977");
    prompter.answer(true).answer(false);

    EXPECT_TRUE(test->UseSelectedCase(1)); // PDU_CUS_SMSC
    EXPECT_EQ(applied, 1);
    const ScanDeviceRow& row = table.rows[1];
    EXPECT_EQ(row.smsMode, "PDU Mode");
    EXPECT_EQ(row.useCustomSmsc, "Y");
    EXPECT_EQ(row.smscNo, "+4977");
    EXPECT_EQ(table.modes[1], 1);
    EXPECT_EQ(table.FindCustomSmsc("COM5"), QString("+4977"));
    EXPECT_EQ(test->devices()[1].settingUse, "Y");
    EXPECT_EQ(prompter.texts()[1], "Selected connection settings 'PDU Mode with Custom SMSC' for "
                                   "device 'QSIM-900' have been applied successfully.");

    EXPECT_FALSE(test->Close()); // asks about COM4 only; No keeps the dialog
    EXPECT_TRUE(prompter.texts().last().contains("connected at COM4.\n"));
}

TEST_F(ConnectionTestTest, LogIsWrittenAfterARun)
{
    addDevice(4);
    const auto test = open("COM4;");
    test->chooseDevice(0);
    EXPECT_FALSE(test->canSaveLog());
    EXPECT_EQ(ConnectionTest::logFileName("a/log.TXT"), "a/log.TXT");
    EXPECT_EQ(ConnectionTest::logFileName("a/log.csv"), "a/log.csv.txt");
    test->customSmsc = "+4977";
    ASSERT_TRUE(test->Start()); // no modem: every case fails on the port
    test->waitUntilFinished();
    ASSERT_TRUE(test->canSaveLog());
    const QString path = QDir(modems.folder()).filePath("log.txt");
    ASSERT_TRUE(test->SaveTestCaseLog(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(file.readAll().constData() + 2), (file.size() - 2) / 2);
    EXPECT_TRUE(text.startsWith("COM Port :COM4\r\n"));
    EXPECT_TRUE(text.contains("\r\n\r\nCase 1:\r\nDevice Connection Error\r\nPDU Mode with"));
    EXPECT_FALSE(test->SaveTestCaseLog(QDir(modems.folder()).filePath("missing/log.txt")));
}

} // namespace
