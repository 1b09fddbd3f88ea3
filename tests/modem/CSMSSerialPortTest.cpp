#include "modem/CSMSSerialPort.h"

#include "base/Clock.h"
#include "modem/CSMSException.h"
#include "modem/PortMap.h"
#include "support/PseudoTerminal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int ModemPort = 7;
constexpr std::uint32_t ChannelTimeoutMs = 5000;

// Runs an operation that must throw and hands back what it threw.
CSMSException thrownBy(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const CSMSException& error) {
        return error;
    }
    ADD_FAILURE() << "no CSMSException thrown";
    return CSMSException(std::nullopt, {});
}

// A byte literal with its embedded NULs and without the terminating one.
template <std::size_t N> QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

std::uint32_t systemCode(int errorNumber)
{
    return CSMSException::SystemErrorBase | static_cast<std::uint32_t>(errorNumber);
}

// A modem on a pseudo-terminal, presented as COM7 through a ports folder. The clock runs the
// designed 5 s quiet time in a quarter of a second.
class ChannelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        linkPort(ModemPort);
    }

    void linkPort(int port)
    {
        ASSERT_TRUE(QFile::link(modem.slavePath(),
                                QDir(folder.path()).filePath(QString("COM%1").arg(port))));
    }

    QTemporaryDir folder;
    PseudoTerminal modem;
    PortMap ports{folder.path()};
    Clock clock{20};
    CSMSSerialPort channel{ports, clock};
};

TEST_F(ChannelTest, OpenSetsRawModemLineAndWritesBytesUnchanged)
{
    channel.Open(ModemPort, ChannelTimeoutMs);
    ASSERT_TRUE(channel.isOpen());
    EXPECT_EQ(channel.portNumber(), ModemPort);
    EXPECT_EQ(channel.timeoutMs(), ChannelTimeoutMs);

    const termios line = modem.slaveSettings();
    EXPECT_EQ(cfgetispeed(&line), B9600);
    EXPECT_EQ(cfgetospeed(&line), B9600);
    EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(line.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);

    const QByteArray command = bytes("AT+CMGF=1\r\n\x1a");
    EXPECT_EQ(channel.Write(command.constData(), command.size()), std::size_t(command.size()));
    EXPECT_EQ(modem.receive(command.size()), command);
}

TEST_F(ChannelTest, ARestoreRequestGivesThePortItsLineSettingsBackOnClose)
{
    termios before = modem.slaveSettings();
    cfsetispeed(&before, B115200);
    cfsetospeed(&before, B115200);
    before.c_lflag |= ICANON | ECHO;
    ASSERT_EQ(::tcsetattr(modem.masterFd(), TCSANOW, &before), 0);
    const auto isAsBefore = [&] {
        const termios now = modem.slaveSettings();
        return cfgetospeed(&now) == B115200 && (now.c_lflag & (ICANON | ECHO)) == (ICANON | ECHO);
    };

    channel.Open(ModemPort, ChannelTimeoutMs);
    EXPECT_FALSE(isAsBefore());
    channel.restoreLineSettingsOnClose();
    channel.Close();
    EXPECT_TRUE(isAsBefore());

    // The request holds for one open only: a modem keeps its line as the channel set it.
    channel.Open(ModemPort, ChannelTimeoutMs);
    channel.Close();
    EXPECT_FALSE(isAsBefore());
}

struct ReadCase
{
    const char* name;
    QByteArray input;
    const char* token;
    bool found;
    QString response;
};

void PrintTo(const ReadCase& c, std::ostream* out)
{
    *out << c.name;
}

class ReadUntilTest : public ChannelTest, public ::testing::WithParamInterface<ReadCase>
{};

TEST_P(ReadUntilTest, CollectsUntilTokenOrQuietTime)
{
    const ReadCase& c = GetParam();
    channel.Open(ModemPort, ChannelTimeoutMs);
    modem.send(c.input);
    EXPECT_EQ(channel.ReadUntil(c.token), c.found);
    EXPECT_EQ(channel.response(), c.response);
    EXPECT_FALSE(channel.failure().has_value());
}

const QByteArray longLine(5000, 'A');

INSTANTIATE_TEST_SUITE_P(
    Replies, ReadUntilTest,
    ::testing::Values(
        ReadCase{"EchoResultAndOkUntrimmed", "AT+CMGF?\r\r\n+CMGF: 0\r\n\r\nOK\r\n", "OK", true,
                 "AT+CMGF?\r\r\n+CMGF: 0\r\n\r\nOK\r\n"},
        ReadCase{"NulBecomesSpace", bytes("\r\n+CSCS: \"GSM\"\0\r\nOK\r\n"), "OK", true,
                 "\r\n+CSCS: \"GSM\" \r\nOK\r\n"},
        ReadCase{"Prompt", "AT+CMGS=23\r\r\n> ", ">", true, "AT+CMGS=23\r\r\n> "},
        ReadCase{"Windows1252Text", "\r\n+COPS: 0,0,\"Caf\xe9 \x80\"\r\nOK\r\n", "OK", true,
                 QString::fromUtf8("\r\n+COPS: 0,0,\"Caf\xc3\xa9 \xe2\x82\xac\"\r\nOK\r\n")},
        ReadCase{"LongerThanOneRead", longLine + "\r\nOK\r\n", "OK", true,
                 QString::fromLatin1(longLine + "\r\nOK\r\n")},
        ReadCase{"OkOnlyAsAWholeLine", "\r\nNOKIA\r\nOK", "OK", false, "NOKIA\r\nOK"},
        ReadCase{"UnsolicitedLinesLeftOut", "AT+CSQ\r\r\n^RSSI:20\r\n\r\n+CSQ: 20,99\r\n\r\nOK\r\n",
                 "OK", true, "AT+CSQ\r\r\n\r\n+CSQ: 20,99\r\n\r\nOK\r\n"},
        ReadCase{"ErrorLineEndsTheWait", "\r\n+CME ERROR: 10\r\n", ">", false, "+CME ERROR: 10"},
        ReadCase{"TokenIsCaseSensitive", "\r\nok\r\n", "OK", false, "ok"},
        ReadCase{"QuietTimeOutGivesTrimmedText", "\r\n+CMS ERROR: 38\r\n", "OK", false,
                 "+CMS ERROR: 38"},
        ReadCase{"WithoutTokenOnlyQuietTimeEnds", "\r\nOK\r\n", nullptr, false, "OK"},
        ReadCase{"SilentPort", "", "OK", false, ""}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST_F(ChannelTest, QuietTimeOutLeavesChannelUsable)
{
    channel.Open(ModemPort, ChannelTimeoutMs);
    EXPECT_FALSE(channel.ReadUntil("OK"));
    EXPECT_EQ(channel.Write("AT\r"), 3u);
    EXPECT_EQ(modem.receive(3), "AT\r");
    modem.send("\r\nOK\r\n");
    EXPECT_TRUE(channel.ReadUntil("OK"));
}

// An unplugged modem must not look like a received token: the read fails and the next
// command reports the system error.
struct UnplugCase
{
    const char* name;
    QByteArray sentBefore;
};

void PrintTo(const UnplugCase& c, std::ostream* out)
{
    *out << c.name;
}

class UnplugTest : public ChannelTest, public ::testing::WithParamInterface<UnplugCase>
{};

TEST_P(UnplugTest, ReadUntilFailsAndNextWriteRaises)
{
    channel.Open(ModemPort, ChannelTimeoutMs);
    modem.send(GetParam().sentBefore);
    modem.unplug();

    EXPECT_FALSE(channel.ReadUntil("OK"));
    EXPECT_TRUE(channel.response().isEmpty());
    EXPECT_FALSE(channel.ReadUntil("OK"));

    const CSMSException error = thrownBy([&] { channel.Write("AT\r"); });
    EXPECT_EQ(error.code(), systemCode(EIO));
    EXPECT_TRUE(error.message().isEmpty());
    EXPECT_FALSE(GetModemErrorText(error).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Modem, UnplugTest,
                         ::testing::Values(UnplugCase{"Silent", {}},
                                           UnplugCase{"AfterEcho", "AT\r\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChannelTest, PortZeroDoesNothing)
{
    channel.Open(0, ChannelTimeoutMs);
    EXPECT_FALSE(channel.isOpen());
    EXPECT_EQ(channel.portNumber(), 0);

    channel.Open(ModemPort, ChannelTimeoutMs);
    channel.Open(0, 1000);
    EXPECT_TRUE(channel.isOpen());
    EXPECT_EQ(channel.portNumber(), ModemPort);
    EXPECT_EQ(channel.timeoutMs(), ChannelTimeoutMs);
}

TEST_F(ChannelTest, MissingPortRaisesSystemError)
{
    const CSMSException error = thrownBy([&] { channel.Open(ModemPort + 2, ChannelTimeoutMs); });
    EXPECT_EQ(error.code(), systemCode(ENOENT));
    EXPECT_FALSE(channel.isOpen());
}

TEST_F(ChannelTest, ClosedChannelNeitherWritesNorReads)
{
    channel.Open(ModemPort, ChannelTimeoutMs);
    EXPECT_TRUE(channel.Close());
    EXPECT_FALSE(channel.Close());
    EXPECT_EQ(thrownBy([&] { channel.Write("AT\r"); }).code(), systemCode(EBADF));
    EXPECT_FALSE(channel.ReadUntil("OK"));
}

// A port is held exclusively, whichever name reaches its device; closing releases it.
class BusyPortTest : public ChannelTest, public ::testing::WithParamInterface<int>
{};

TEST_P(BusyPortTest, SecondOpenFailsUntilFirstCloses)
{
    linkPort(ModemPort + 1);
    CSMSSerialPort second(ports, clock);
    channel.Open(ModemPort, ChannelTimeoutMs);

    const CSMSException error = thrownBy([&] { second.Open(GetParam(), ChannelTimeoutMs); });
    EXPECT_EQ(error.code(), systemCode(EBUSY));
    EXPECT_FALSE(second.isOpen());
    EXPECT_TRUE(channel.isOpen());

    channel.Close();
    second.Open(GetParam(), ChannelTimeoutMs);
    EXPECT_TRUE(second.isOpen());
}

INSTANTIATE_TEST_SUITE_P(SameDevice, BusyPortTest, ::testing::Values(ModemPort, ModemPort + 1));

} // namespace
