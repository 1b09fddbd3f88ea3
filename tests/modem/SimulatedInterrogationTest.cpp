#include "modem/CSMSException.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/Interrogation.h"
#include "modem/ModemCommands.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModem.h"

// Interrogation of simulated modems: the device information text and the scan's queries.

namespace {

class SimulatedInterrogationTest : public SimulatedModemTest
{
protected:
    QString informationOf(int port)
    {
        serial.Open(port, ChannelTimeoutMs);
        return QueryDeviceInformation(channel);
    }
};

TEST_F(SimulatedInterrogationTest, DeviceInformationText)
{
    startModem();
    EXPECT_EQ(QueryDeviceInformation(channel), "Manufacturer :QSIM\n"
                                               "Model :QSIM-900\n"
                                               "Revision :QSIM-900 R1.0\n"
                                               "Supported SMS Mode :PDU Mode & Text Mode\n"
                                               "Battery :80%\n"
                                               "Default SMSC No. :+447785016005\n"
                                               "Operator Code :SIM NET\n"
                                               "Signal Quality :High (20)");
    EXPECT_FALSE(serial.isOpen());
}

TEST_F(SimulatedInterrogationTest, ModemThatOnlyEchoesIsPresentButGivesNoInformation)
{
    startModems({"echo-only", "hang"});
    EXPECT_TRUE(ProbeModem(channel));
    try {
        QueryDeviceInformation(channel);
        ADD_FAILURE() << "no error";
    } catch (const CSMSException& error) {
        EXPECT_EQ(GetModemErrorText(error), "Failed to receive a response from the modem.");
    }
    EXPECT_FALSE(serial.isOpen());

    serial.Open(Port + 1, ChannelTimeoutMs);
    EXPECT_FALSE(ProbeModem(channel));
}

TEST_F(SimulatedInterrogationTest, IdentityFallsBackToThePlusCForms)
{
    startModems({"undefined,manufacturer=Acme,model=MODEL=QX-7,revision=R9,imei=356938035643809",
                 "model=MODEL=QX-8"});
    EXPECT_EQ(QueryModel(channel), "QX-7");
    EXPECT_EQ(QueryImei(channel), "356938035643809");
    const QString information = QueryDeviceInformation(channel);
    EXPECT_TRUE(information.startsWith("Manufacturer :Acme\nModel :QX-7\nRevision :R9\n"))
        << information.toStdString();

    serial.Open(Port + 1, ChannelTimeoutMs);
    EXPECT_EQ(QueryModel(channel), "QX-8");
}

TEST_F(SimulatedInterrogationTest, SignalAndBatteryTexts)
{
    const struct
    {
        const char* profile;
        const char* battery;
        const char* signal;
    } cases[] = {
        {"signal=8", "80%", "Low (8)"},
        {"signal=9,battery=55,charging", "55% ( Charging )", "Medium (9)"},
        {"signal=14", "80%", "Medium (14)"},
        {"signal=15", "80%", "Good (15)"},
        {"signal=18", "80%", "Good (18)"},
        {"signal=19", "80%", "High (19)"},
        {"signal=99,battery=5", "5%", ""},
    };
    QStringList profiles;
    for (const auto& c : cases)
        profiles.append(c.profile);
    startModems(profiles);
    serial.Close();
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const QString information = informationOf(Port + i);
        EXPECT_EQ(GetDetailValue(information + "\n", "Battery :"), cases[i].battery)
            << cases[i].profile;
        EXPECT_EQ(GetDetailValue(information + "\n", "Signal Quality :"), cases[i].signal)
            << cases[i].profile;
    }
}

// A modem whose character set is UCS2 reports its SMSC in UCS2 hex.
TEST_F(SimulatedInterrogationTest, SmscReportedInUcs2IsShownDecoded)
{
    startModems({"smsc-ucs2", "no-smsc"});
    EXPECT_EQ(GetDetailValue(QueryDeviceInformation(channel), "Default SMSC No. :"),
              "+447785016005");
    EXPECT_EQ(GetDetailValue(informationOf(Port + 1), "Default SMSC No. :"), "");
}

TEST_F(SimulatedInterrogationTest, SmsModesAndCapability)
{
    startModems({"pdu-only", "text-only", ""});
    serial.Close();
    const int expected[] = {PduModeOnly, TextModeOnly, PduAndTextMode};
    for (int i = 0; i < 3; ++i) {
        serial.Open(Port + i, ChannelTimeoutMs);
        EXPECT_EQ(QuerySmsModes(channel), expected[i]);
        EXPECT_TRUE(CheckSmsCapability(channel));
        serial.Close();
    }
}

// Answers a byte at a time: "NOKIA" holds "OK", and a wait that stopped there would shift
// every later answer by one command.
TEST_F(SimulatedInterrogationTest, AnswersInPiecesAreReadWhole)
{
    startModem("trickle,manufacturer=NOKIA,model=N95,revision=V1");
    const QStringList lines = QueryDeviceInformation(channel).split(u'\n');
    EXPECT_EQ(lines.at(0), "Manufacturer :NOKIA");
    EXPECT_EQ(lines.at(1), "Model :N95");
    EXPECT_EQ(lines.at(2), "Revision :V1");
    EXPECT_EQ(lines.at(3), "Supported SMS Mode :PDU Mode & Text Mode");
}

// A signal report inside the answer to AT+CMGF=? must not make a text-only modem look like
// one that takes PDUs.
TEST_F(SimulatedInterrogationTest, UnsolicitedLinesInsideAnswersChangeNoValue)
{
    startModem("text-only,urc-every=1,signal=17");
    EXPECT_EQ(QuerySmsModes(channel), TextModeOnly);
    serial.Open(Port, ChannelTimeoutMs);
    const QString information = QueryDeviceInformation(channel);
    EXPECT_FALSE(information.contains(u"RSSI")) << information.toStdString();
    EXPECT_FALSE(information.contains(u"MODE:")) << information.toStdString();
    EXPECT_TRUE(information.contains(u"Signal Quality :Good (17)")) << information.toStdString();
    EXPECT_TRUE(information.contains(u"Supported SMS Mode :Text Mode"));
    EXPECT_FALSE(serial.takeUnsolicited().isEmpty());
}

} // namespace
