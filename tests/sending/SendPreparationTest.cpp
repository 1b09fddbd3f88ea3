#include "sending/SendPreparation.h"

#include "base/Clock.h"
#include "devices/DeviceState.h"
#include "modem/PortMap.h"
#include "recipients/RecipientList.h"
#include "sending/ModemChannelTable.h"
#include "sending/PortProbe.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"
#include "support/QtPrinters.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

class ScriptedComposerQuestion : public ComposerChangeQuestion
{
public:
    Answer ask() override
    {
        ++asked;
        return answer;
    }
    Answer answer = Answer::ContinueAnyway;
    int asked = 0;
};

class FakeProbe : public PortProbe
{
public:
    std::optional<QString> probe(int port) override
    {
        probed.push_back(port);
        if (unplugged.count(port))
            return QStringLiteral("No such file or directory");
        return std::nullopt;
    }
    std::set<int> unplugged;
    std::vector<int> probed;
};

// The main window's side of Send: its list, options, devices and answers.
struct MainWindowSide
{
    MainWindowSide()
    {
        list.insertRecipients(0, {{"0700", "hi"}, {"0701", ""}});
        inputs.composer = "hi";
        confirmDevices({3, 7});
    }

    // The device selection as a confirmation leaves it; "All Device" chosen for several.
    void confirmDevices(const std::vector<int>& ports, int chosen = -1)
    {
        QList<DeviceChoice> choices;
        QString records;
        for (int port : ports) {
            choices.append({QStringLiteral("COM%1 - Modem %1").arg(port), port});
            records += QStringLiteral(";COM%1;Modem %1;Auto;Auto;Y;\n").arg(port);
        }
        if (choices.size() > 1)
            choices.append({AllDeviceText(), 0});
        devices.setChoiceList(choices, chosen >= 0 ? chosen : int(choices.size()) - 1);
        devices.setDeviceRecordText(records);
        devices.setDeviceCount(int(ports.size()));
    }

    // Send, and on the thread's part right away; true when the run would open.
    bool sendThrough()
    {
        const auto plan = preparation.send(inputs);
        if (!plan)
            return false;
        return preparation.completeDeviceCheck(SendPreparation::checkDevices(*plan, probe, {}));
    }

    QTemporaryDir portsDir;
    PortMap ports{portsDir.path()};
    Clock clock{1000};
    ModemChannelTable channels{ports, clock};
    RunState state;
    RunOptions options;
    DeviceState devices;
    RecipientList list;
    ScriptedPrompter prompter;
    ScriptedComposerQuestion question;
    FakeProbe probe;
    SendInputs inputs;
    int exclusionReloads = 0;
    int unicodeTicks = 0;
    SendPreparation preparation{{state,
                                 options,
                                 devices,
                                 list,
                                 channels,
                                 prompter,
                                 question,
                                 [this] { ++exclusionReloads; },
                                 [] { return std::optional<QString>(); },
                                 {},
                                 [this] { ++unicodeTicks; },
                                 [this] {
                                     previewAt.push_back(question.asked);
                                     return previewAnswer;
                                 }}};
    std::vector<int> previewAt; // composer questions asked before each preview
    bool previewAnswer = true;
};

class SendPreparationTest : public ::testing::Test, public MainWindowSide
{};

TEST_F(SendPreparationTest, ChecksComeInOrderWithTheirMessagesAndFocus)
{
    using Focus = SendPreparation::Focus;
    const struct
    {
        std::function<void(MainWindowSide&)> setUp;
        const char* message;
        Focus focus;
    } cases[] = {
        {[](MainWindowSide& t) {
             t.inputs.numberBox = "0702";
             t.list.clear(); // the first failing check wins
         },
         "Please insert entered number to the list.", Focus::NumberBox},
        {[](MainWindowSide& t) { t.list.clear(); }, "Phone numbers-Messages list is empty.",
         Focus::NumberBox},
        {[](MainWindowSide& t) {
             t.list.setRecipient(0, {"", "x"});
         },
         "Please enter a valid phone number.", Focus::NumberBox},
        {[](MainWindowSide& t) { t.inputs.composer.clear(); }, "Please enter some text message.",
         Focus::Composer},
        {[](MainWindowSide& t) {
             t.inputs.delayedDelivery = true;
             t.inputs.pauseFor = "10 Seconds";
         },
         "No values have been selected in 'Delayed Delivery Options'.", Focus::PauseEvery},
        {[](MainWindowSide& t) {
             t.inputs.delayedDelivery = true;
             t.inputs.pauseEvery = "5";
         },
         "No values have been selected in 'Delayed Delivery Options'.", Focus::PauseFor},
        {[](MainWindowSide& t) { t.devices.setChoiceList({}, -1); },
         "Either USB Modem Device is not connected properly or No USB Modem Device is "
         "selected.\n\nPlease use USB Modem Connection Wizard for finding device or "
         "establishing connection.",
         Focus::None},
    };
    for (const auto& c : cases) {
        MainWindowSide t;
        c.setUp(t);
        EXPECT_FALSE(t.preparation.send(t.inputs).has_value()) << c.message;
        EXPECT_EQ(t.prompter.texts(), QStringList{c.message});
        EXPECT_EQ(t.preparation.focus(), c.focus) << c.message;
        EXPECT_FALSE(t.preparation.preparing());
    }
}

TEST_F(SendPreparationTest, ComposerQuestionComesOncePerTextAndAppliesAsAnswered)
{
    inputs.composer = "new text";
    question.answer = ComposerChangeQuestion::Answer::ApplyToBlank;
    ASSERT_TRUE(sendThrough());
    EXPECT_EQ(question.asked, 1);
    EXPECT_EQ(list.at(0).Message, "hi");
    EXPECT_EQ(list.at(1).Message, "new text");

    ASSERT_TRUE(sendThrough()); // the same text again: no question
    EXPECT_EQ(question.asked, 1);

    inputs.composer = "third";
    question.answer = ComposerChangeQuestion::Answer::ApplyToAll;
    ASSERT_TRUE(sendThrough());
    EXPECT_EQ(list.at(0).Message, "third");
    EXPECT_EQ(list.at(1).Message, "third");

    inputs.composer = "fourth";
    question.answer = ComposerChangeQuestion::Answer::Cancel;
    EXPECT_FALSE(sendThrough());
    EXPECT_EQ(list.at(0).Message, "third");
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(SendPreparationTest, RowsTheGsmAlphabetCannotCarryAreAskedAboutOnce)
{
    const QString long1 = QStringLiteral("Dear Mr García, ") + QString(60, u'a');
    const QString short3 = QStringLiteral("Sofía “x”");
    const struct
    {
        const char* name;
        int choice;
        bool sends;
        int ticks;
        QString message1, message3;
    } cases[] = {
        {"send as Unicode", 0, true, 1, long1, short3},
        {"replace", 1, true, 0, QStringLiteral("Dear Mr Garcia, ") + QString(60, u'a'),
         QStringLiteral("Sofia \"x\"")},
        {"back to the list", 2, false, 0, long1, short3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindowSide side;
        side.list.clear();
        side.list.insertRecipients(0, {{"0700", long1}, {"0701", "hi"}, {"0702", short3}});
        side.prompter.choice(c.choice);
        EXPECT_EQ(side.sendThrough(), c.sends);
        EXPECT_EQ(side.unicodeTicks, c.ticks);
        EXPECT_EQ(side.list.at(0).Message, c.message1);
        EXPECT_EQ(side.list.at(1).Message, "hi");
        EXPECT_EQ(side.list.at(2).Message, c.message3);
        EXPECT_EQ(side.probe.probed.empty(), !c.sends);
        ASSERT_EQ(side.prompter.shown().size(), 1);
        const auto& asked = side.prompter.shown()[0];
        EXPECT_TRUE(asked.text.startsWith(
            "2 rows (1, 3) hold characters the GSM alphabet cannot carry: í “ ”"))
            << asked.text.toStdString();
        // 76 characters: one SMS in GSM, two in Unicode.
        EXPECT_TRUE(asked.text.contains("these rows take 3 SMS in place of 2."));
        EXPECT_EQ(asked.choices, (QStringList{"Send as Unicode", "Replace with nearest GSM letters",
                                              "Back to the list"}));
        EXPECT_TRUE(side.prompter.allAnswersUsed());
    }
}

TEST_F(SendPreparationTest, NoQuestionWithUnicodeOnOrTextsAllGsm)
{
    list.insertRecipient(0, {"0703", "[GSM] €1 {ok} ~^|\\ é"});
    ASSERT_TRUE(sendThrough()); // every row in the alphabet: nothing asked
    list.insertRecipient(0, {"0704", "García"});
    inputs.unicode = true;
    ASSERT_TRUE(sendThrough());
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(unicodeTicks, 0);
    EXPECT_EQ(list.at(0).Message, "García");
}

TEST_F(SendPreparationTest, SendTakesPauseAndRetrySettingsAndReloadsExclusions)
{
    options.useExclusionRules = true;
    inputs.pauseEvery = "5";
    inputs.pauseFor = " 5  Seconds";
    inputs.retriesOn = true;
    inputs.retryCount = "3";
    state.RetryRound = 2;
    ASSERT_TRUE(sendThrough());
    EXPECT_EQ(state.PauseEveryText(), "5");
    EXPECT_EQ(state.PauseForText(), " 5  Seconds");
    EXPECT_EQ(state.RetryLimit, 3);
    EXPECT_EQ(state.RetryRound, 0);
    EXPECT_EQ(exclusionReloads, 1);

    state.RunOpen = 1; // a run is open: Send does nothing
    EXPECT_FALSE(preparation.send(inputs).has_value());
}

TEST_F(SendPreparationTest, AnUnpluggedDeviceIsListedAndYesSendsWithTheOther)
{
    probe.unplugged = {3};
    prompter.answer(true);
    ASSERT_TRUE(sendThrough());
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_TRUE(prompter.shown()[0].text.startsWith(
        "COM3 - Modem 3\nDevice not connected properly or Device not functioning."));
    EXPECT_TRUE(prompter.shown()[0].text.endsWith(
        "\n\nOR\n\nDo you want to continue sending process with other connected device?"));
    EXPECT_EQ(devices.deviceList(), QStringList{"COM7 - Modem 7"});
    EXPECT_EQ(devices.selectedDevice(), "COM7 - Modem 7");

    prompter.answer(false);
    EXPECT_FALSE(sendThrough());
}

TEST_F(SendPreparationTest, EveryDeviceFailingStopsWithTheirLabels)
{
    probe.unplugged = {3, 7};
    EXPECT_FALSE(sendThrough());
    EXPECT_EQ(prompter.texts(),
              QStringList{"COM3 - Modem 3\nCOM7 - Modem 7\nAll Device not connected properly or "
                          "not functioning.\n\nPlease use USB Modem Connection Wizard for "
                          "finding device or establishing connection."});
}

TEST_F(SendPreparationTest, DeviceListHoldsTheAnsweringDevicesAndAllDevice)
{
    ASSERT_TRUE(sendThrough());
    EXPECT_EQ(devices.deviceList(),
              QStringList({"COM3 - Modem 3", "COM7 - Modem 7", "All Device"}));
    EXPECT_EQ(devices.selectedDevice(), "All Device");

    confirmDevices({3, 7}, 1); // one device chosen: it alone, without "All Device"
    ASSERT_TRUE(sendThrough());
    EXPECT_EQ(devices.deviceList(), QStringList{"COM7 - Modem 7"});
    EXPECT_EQ(probe.probed.back(), 7);
}

TEST_F(SendPreparationTest, QuotaShortfallIsAskedWithTheNumbers)
{
    options.quotaManagement = true;
    list.clear();
    std::vector<RecipientRow> rows;
    for (int i = 0; i < 20; ++i)
        rows.push_back({QString::number(i + 1), "m"});
    list.insertRecipients(0, rows);
    devices.setDeviceRecordText(";COM3;Modem 3;Manual;10;Y;\n;COM7;Modem 7;Manual;5;Y;\n\n");
    devices.setQuotaTotalMessages(20);
    state.consumedQuotaLog.append(3, 2);
    prompter.answer(false);
    EXPECT_FALSE(preparation.send(inputs).has_value());
    EXPECT_EQ(prompter.texts(),
              QStringList{"Currently assigned SMS Quota is lesser than the Total number of "
                          "Messages to be sent in your SMS list.\n\nThe Total number of SMS in "
                          "list is 20\nBut only 15 messages have been assigned to connected "
                          "devices yet.\n5 unassigned Messages in the SMS list will remain "
                          "unsent.\n\nDo you want to continue?"});
    EXPECT_EQ(state.consumedQuotaLog.entries().size(), 1);

    prompter.answer(true);
    ASSERT_TRUE(sendThrough());
    EXPECT_TRUE(state.consumedQuotaLog.entries().isEmpty());
    EXPECT_EQ(devices.deviceList(),
              QStringList({"COM3 - Modem 3", "COM7 - Modem 7", "All Device"}));
}

// A device file edited by hand may hold quotas whose sum passes int: they still cover the list.
TEST_F(SendPreparationTest, HugeHandEditedQuotasCoverTheListWithoutAQuestion)
{
    options.quotaManagement = true;
    devices.setDeviceRecordText(
        ";COM3;Modem 3;Manual;2000000000;Y;\n;COM7;Modem 7;Manual;2000000000;Y;\n\n");
    devices.setQuotaTotalMessages(list.count());
    ASSERT_TRUE(sendThrough());
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.texts().join(" | ").toStdString();
}

TEST_F(SendPreparationTest, QuotaPathSkipsUnusedDevicesAndNamesAnEmptyResult)
{
    options.quotaManagement = true;
    devices.setDeviceRecordText(";COM3;Modem 3;Manual;0;Y;\n;COM7;Modem 7;Auto;Auto;Y;\n"
                                ";COM9;Modem 9;Auto;Auto;N;\n\n");
    devices.setDeviceCount(3);
    ASSERT_TRUE(sendThrough());
    EXPECT_EQ(probe.probed, std::vector<int>{7});
    // On the quota path "All Device" follows even a single device.
    EXPECT_EQ(devices.deviceList(), QStringList({"COM7 - Modem 7", "All Device"}));
    EXPECT_EQ(devices.selectedDevice(), "All Device");

    devices.setDeviceRecordText(";COM3;Modem 3;Manual;0;Y;\n;COM7;Modem 7;Auto;Auto;N;\n\n");
    prompter.answer(true); // no device in use on Auto: the shortfall question comes first
    EXPECT_FALSE(sendThrough());
    EXPECT_EQ(prompter.texts().last(),
              "Please check your Quota Management settings.\n\nIn your Quota Management "
              "Settings, No device or Selected Device has not been assigned sufficient quota to "
              "send sms.");

    devices.setDeviceRecordText({});
    EXPECT_FALSE(preparation.send(inputs).has_value());
    EXPECT_EQ(prompter.texts().last(), "No quota assigned.");
}

} // namespace

TEST_F(SendPreparationTest, ThePreviewComesAfterTheChecksAndBeforeTheComposerQuestion)
{
    inputs.composer.clear();
    EXPECT_FALSE(sendThrough());
    EXPECT_TRUE(previewAt.empty()) << "a refused check shows no preview";

    inputs.composer = QStringLiteral("changed");
    previewAnswer = false;
    EXPECT_FALSE(sendThrough());
    EXPECT_EQ(previewAt, std::vector<int>{0});
    EXPECT_EQ(question.asked, 0) << "a preview closed with Cancel ends the send";

    previewAnswer = true;
    EXPECT_TRUE(sendThrough());
    EXPECT_EQ(previewAt, (std::vector<int>{0, 0}));
    EXPECT_EQ(question.asked, 1);
}

TEST_F(SendPreparationTest, TheUnicodeCountOfTheQuestionUsesTheNationalTablesWhenOn)
{
    list.clear();
    list.insertRecipient(0, {"0700", QString(100, u'\u0131')});
    for (const bool national : {false, true}) {
        SCOPED_TRACE(national);
        inputs.nationalLanguages = national;
        prompter.choice(2); // back to the list
        EXPECT_FALSE(sendThrough());
        ASSERT_FALSE(prompter.shown().isEmpty());
        EXPECT_TRUE(prompter.shown().last().text.contains(
            national ? "these rows take 1 SMS in place of 1."
                     : "these rows take 2 SMS in place of 1."))
            << prompter.shown().last().text.toStdString();
    }
}
