#include "devices/DeviceSettings.h"

#include "base/StatusTexts.h"
#include "devices/DeviceChannelWork.h"
#include "devices/DeviceTexts.h"
#include "modem/SubmissionContext.h"
#include "support/DeviceDialogFixture.h"
#include "support/QtPrinters.h"

namespace {

class DeviceSettingsTest : public DeviceDialogFixture
{
protected:
    void select(int row)
    {
        if (settings.beginRowSelection(row))
            settings.finishRowSelection(
                CheckDeviceReachable(deviceChannel, PortNumberOfText(table.rows[row].comPort)));
        else
            settings.finishRowSelection(std::nullopt);
    }

    QString sendTest(const QString& number)
    {
        settings.phoneNumber = number;
        const std::optional<TestMessagePlan> plan = settings.prepareTestMessage();
        if (!plan)
            return QString();
        const SubmissionContext context{clock, references, nullptr, {}, &state.details()};
        return RunTestMessage(deviceChannel, context, *plan);
    }

    DeviceSettings settings{table, state.details(), prompter,
                            [](const QString& n) { return n.size() < 5; }};
};

TEST_F(DeviceSettingsTest, CustomSmscRules)
{
    addDevice(5);
    settings.selectedRow = 0;
    struct Case
    {
        QString number;
        bool accepted;
    } cases[] = {{"+4915", true}, {"4915", true}, {"49+15", false}, {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number.toStdString());
        ScriptedPrompter shown;
        DeviceSettings s{table, state.details(), shown, {}};
        s.selectedRow = 0;
        s.customBox = true;
        s.customNumber = c.number;
        EXPECT_EQ(s.ApplyCustomSmsc(true), c.accepted);
        EXPECT_EQ(shown.texts(), QStringList{c.accepted ? DeviceText::customSmscSaved("COM5")
                                                        : DeviceText::invalidSmsc()});
    }
    EXPECT_EQ(table.FindCustomSmsc("COM5"), QString("4915"));
    EXPECT_EQ(table.rows[0].smscNo, "4915");
    EXPECT_EQ(table.rows[0].useCustomSmsc, "Y");

    settings.view.defaultSmsc = QStringLiteral("+447785016005");
    settings.customNumber = QStringLiteral("4915");
    settings.setCustomBox(false);
    EXPECT_FALSE(table.FindCustomSmsc("COM5"));
    EXPECT_FALSE(table.customSmsc.join(';').contains("COM5"));
    EXPECT_EQ(table.rows[0].useCustomSmsc, "N");
    EXPECT_EQ(table.rows[0].smscNo, "+447785016005");
    EXPECT_TRUE(settings.customNumber.isEmpty());
    EXPECT_TRUE(prompter.shown().isEmpty()); // clearing the box resets silently
}

TEST_F(DeviceSettingsTest, SelectingARowShowsDetailsAndFillsTheModeOnce)
{
    modems.start({""});
    addDevice(4, QString(), "+4912", "Text Mode");
    addDevice(8); // no modem there any more
    select(0);
    EXPECT_EQ(settings.view.selectedDevice, "COM4");
    EXPECT_EQ(settings.view.defaultSmsc, "+4912");
    EXPECT_EQ(settings.view.modeChoice, "Text Mode");
    EXPECT_EQ(table.rows[0].smsMode, "Text Mode");
    EXPECT_EQ(table.modes[0], 2);
    EXPECT_TRUE(settings.view.detailsText.startsWith("COM Port :COM4\r\nCom Port Details :"));
    EXPECT_EQ(settings.copyDetailsText()->section("\r\n", 2, 2), "Model :\tQSIM-900");
    EXPECT_TRUE(prompter.shown().isEmpty());

    select(1);
    EXPECT_EQ(settings.view.selectedDevice, "COM8"); // shown all the same
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith(DeviceText::notWorking()));

    settings.chooseMode("Text Mode");
    settings.chooseMode("PDU Mode");
    EXPECT_EQ(prompter.texts().mid(1), QStringList{DeviceText::textModeInformation()});
    EXPECT_EQ(table.rows[1].smsMode, "PDU Mode");
}

TEST_F(DeviceSettingsTest, TestMessageReachesTheAir)
{
    modems.start({""});
    addDevice(4);
    select(0);
    settings.customBox = true;
    settings.customNumber = QStringLiteral("+4977");

    EXPECT_EQ(sendTest("+4917012345"), StatusTexts::messageSent());
    const std::vector<sim::AirMessage> air = modems.air();
    ASSERT_EQ(air.size(), 1u);
    EXPECT_EQ(air[0].destination, "+4917012345");
    EXPECT_EQ(air[0].text, "Test message has been sent by PDU Mode");
    EXPECT_EQ(air[0].smsc, "+4977");
    EXPECT_FALSE(channel.isOpen());
}

TEST_F(DeviceSettingsTest, TestMessageRefusalsAndErrors)
{
    modems.start({"cms-error=330", "text-only,hang"});
    addDevice(4);
    addDevice(5, QStringLiteral("Text Mode"));
    addDevice(6, QString(), QString());
    table.rows[2].smsMode.clear();
    const auto pick = [this](int row) {
        settings.selectedRow = row;
        settings.ShowDeviceDetails(table.rows[std::size_t(row)].comPort);
    };
    pick(0);
    EXPECT_EQ(sendTest("12"), QString()); // the injected number rule refuses it
    EXPECT_EQ(settings.focus, SettingsFocus::PhoneNumber);
    EXPECT_EQ(sendTest("+49+17012345"), QString());
    EXPECT_EQ(sendTest("+4917012345"),
              DeviceText::notWorkingWithError(QStringLiteral("+CMS ERROR: 330")));
    pick(1);
    EXPECT_EQ(sendTest("+4917012345"),
              DeviceText::notWorkingWithError(QStringLiteral("+CMS ERROR: 500")));
    pick(2);
    EXPECT_EQ(sendTest("+4917012345"), QString());
    EXPECT_EQ(prompter.texts(),
              QStringList({DeviceText::invalidTestNumber(), DeviceText::invalidTestNumber(),
                           DeviceText::noDefaultSmsc()}));
    EXPECT_TRUE(modems.air().empty());
}

} // namespace
