#include "PortClient.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QByteArray kCtrlZ = "\x1a";
const QByteArray kHelloPdu = "0011000B916407281553F80000AA0AE8329BFD4697D9EC37";

QJsonObject parseLine(const QByteArray& line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.constData();
    return document.object();
}

} // namespace

class SubmissionTest : public SimulatorTest
{
protected:
    void SetUp() override
    {
        startSimulator(1, {{1, "smsc=+447700900123,charsets=IRA/GSM/UCS2/HEX/8859-1"}});
        m_port = open(1);
        ASSERT_TRUE(m_port->isOpen());
        m_port->exchange("ATE0\r");
    }

    // AT+CMGS with its argument, then the body after the prompt; returns the final answer.
    QByteArray submit(const QByteArray& argument, const QByteArray& body)
    {
        m_port->write("AT+CMGS=" + argument + "\r");
        const QByteArray prompt = m_port->readFinal(true);
        if (!prompt.endsWith("\r\n> "))
            return prompt;
        m_port->write(body + kCtrlZ + "\r\n");
        return m_port->readFinal().trimmed();
    }

    std::unique_ptr<PortClient> m_port;
};

TEST_F(SubmissionTest, PduModeMessageGoesOnTheAirAndIntoTheLog)
{
    m_port->exchange("AT+CMGF=0\r");
    EXPECT_EQ(submit("23", kHelloPdu), "+CMGS: 0\r\n\r\nOK");

    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 1);
    const QJsonObject record = parseLine(lines[0]);
    EXPECT_EQ(record["port"].toString(), "COM1");
    EXPECT_EQ(record["destination"].toString(), "+46708251358");
    EXPECT_EQ(record["smsc"].toString(), "+447700900123"); // the PDU names none: the modem's
    EXPECT_EQ(record["dcs"].toInt(), 0);
    EXPECT_TRUE(record["class"].isNull());
    EXPECT_EQ(record["text"].toString(), "hellohello");
    EXPECT_TRUE(record["reference"].isNull());
    EXPECT_EQ(record["part"].toInt(), 1);
    EXPECT_EQ(record["total"].toInt(), 1);
    EXPECT_EQ(record["mode"].toString(), "pdu");
    EXPECT_EQ(record["mr"].toInt(), 0);
    EXPECT_EQ(record["pdu"].toString(), QString::fromLatin1(kHelloPdu));
    EXPECT_TRUE(QDateTime::fromString(record["time"].toString(), Qt::ISODateWithMs).isValid());

    const auto messages = m_simulator->messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "hellohello");
}

TEST_F(SubmissionTest, PduModeUsesTheSmscAndConcatenationOfThePdu)
{
    m_port->exchange("AT+CMGF=0\r");
    // SMSC +491710760000 in the PDU; the second of three parts, 8-bit reference 3.
    EXPECT_EQ(
        submit("27", "079194710167000041000B916407281553F80000100500030303029049E592D9743EA1"),
        "+CMGS: 0\r\n\r\nOK");
    EXPECT_EQ(submit("23", kHelloPdu), "+CMGS: 1\r\n\r\nOK");

    const auto messages = m_simulator->messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].smsc, "+491710760000");
    EXPECT_EQ(messages[0].text, "HIJKLMNOP");
    EXPECT_EQ(messages[0].reference, 3);
    EXPECT_EQ(messages[0].part, 2);
    EXPECT_EQ(messages[0].total, 3);
    EXPECT_EQ(messages[1].messageReference, 1);
}

TEST_F(SubmissionTest, RefusedPduSubmissionsSendNothing)
{
    m_port->exchange("AT+CMGF=0\r");
    const struct
    {
        QByteArray argument;
        QByteArray body;
    } cases[] = {
        {"22", kHelloPdu},                                           // length one short of the TPDU
        {"24", kHelloPdu},                                           // one too many
        {"23", kHelloPdu.left(kHelloPdu.size() - 1)},                // odd hex
        {"23", "0011000B916407281553F80000AA0BE8329BFD4697D9EC37"},  // UDL too long
        {"23", "00 11000B916407281553F80000AA0AE8329BFD4697D9EC37"}, // not hex
    };
    for (const auto& c : cases)
        EXPECT_EQ(submit(c.argument, c.body), "+CMS ERROR: 304") << c.body.constData();
    EXPECT_EQ(m_port->exchange("AT+CMGS=0\r", "304\r\n"), "\r\n+CMS ERROR: 304\r\n");
    EXPECT_EQ(m_port->exchange("AT+CMGS=\"+4470\"\r", "304\r\n"), "\r\n+CMS ERROR: 304\r\n");

    // Escape abandons the message.
    EXPECT_EQ(m_port->exchange("AT+CMGS=23\r", "> "), "\r\n> ");
    EXPECT_EQ(m_port->exchange(kHelloPdu + "\x1b", "OK\r\n"), "\r\nOK\r\n");

    EXPECT_TRUE(m_simulator->messages().empty());
    EXPECT_TRUE(logLines().isEmpty());
}

struct TextCase
{
    const char* name;
    QByteArray charset;
    int dcs;
    QByteArray body;
    QString text;
    std::optional<int> messageClass;
};

class TextModeTest : public SubmissionTest, public ::testing::WithParamInterface<TextCase>
{};

TEST_P(TextModeTest, DecodesTheBodyByCharacterSetAndDcs)
{
    const TextCase& c = GetParam();
    m_port->exchange("AT+CMGF=1\r");
    m_port->exchange("AT+CSCS=\"" + c.charset + "\"\r");
    m_port->exchange("AT+CSMP=17,255,0," + QByteArray::number(c.dcs) + "\r");
    EXPECT_EQ(submit("\"+447700900999\"", c.body), "+CMGS: 0\r\n\r\nOK");

    const auto messages = m_simulator->messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].mode, "text");
    EXPECT_EQ(messages[0].destination, "+447700900999");
    EXPECT_EQ(messages[0].smsc, "+447700900123");
    EXPECT_EQ(messages[0].text, c.text);
    EXPECT_EQ(messages[0].dcs, c.dcs);
    EXPECT_EQ(messages[0].messageClass, c.messageClass);
    EXPECT_EQ(messages[0].validityMinutes, 63 * 7 * 24 * 60); // validity 255
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, TextModeTest,
    ::testing::Values(
        TextCase{"Ira", "IRA", 0, "Hello @ home", "Hello @ home", std::nullopt},
        TextCase{"IraFlash", "IRA", 16, "Flash!", "Flash!", 0},
        // IRA is 7-bit: a Latin-1 e-acute has no character there.
        TextCase{"IraEightBitByte", "IRA", 0, "Caf\xe9", "Caf?", std::nullopt},
        TextCase{"Latin1", "8859-1", 0,
                 "Caf\xe9 \xa3"
                 "5",
                 QStringLiteral(u"Café £5"), std::nullopt},
        // GSM: the octets are the alphabet's codes (0x01 is the pound sign, 0x00 the at sign).
        TextCase{"Gsm", "GSM", 0,
                 QByteArray("a\x01"
                            "b\x00",
                            4),
                 QStringLiteral(u"a£b@"), std::nullopt},
        TextCase{"Ucs2CharsetGsmText", "UCS2", 0, "00480069002020AC", QStringLiteral(u"Hi €"),
                 std::nullopt},
        TextCase{"HexCharsetUcs2Text", "HEX", 8, "041F04400438", QStringLiteral(u"При"),
                 std::nullopt},
        TextCase{"Ucs2Flash", "UCS2", 24, "041F0440", QStringLiteral(u"Пр"), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SubmissionTest, RefusedTextSubmissionsSendNothing)
{
    m_port->exchange("AT+CMGF=1\r");
    EXPECT_EQ(m_port->exchange("AT+CMGS=23\r", "305\r\n"), "\r\n+CMS ERROR: 305\r\n");
    m_port->exchange("AT+CSMP=17,255,0,8\r");
    EXPECT_EQ(submit("\"+447700900999\"", "not hex"), "+CMS ERROR: 305");
    m_port->exchange("AT+CSMP=17,255,0,0\r");
    EXPECT_EQ(submit("\"+447700900999\"", QByteArray(161, 'x')), "+CMS ERROR: 305");
    EXPECT_TRUE(m_simulator->messages().empty());
}

TEST_F(SubmissionTest, TextModeUsesTheSmscSetWithCsca)
{
    m_port->exchange("AT+CMGF=1\r");
    m_port->exchange("AT+CSCA=\"+919876543210\",145\r");
    EXPECT_EQ(submit("\"0712345678\",129", "line one\nline two"), "+CMGS: 0\r\n\r\nOK");
    const auto messages = m_simulator->messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].smsc, "+919876543210");
    EXPECT_EQ(messages[0].destination, "0712345678");
    EXPECT_EQ(messages[0].text, "line one\nline two");
}
