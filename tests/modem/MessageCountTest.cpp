#include "modem/MessageCount.h"

#include "PduReader.h"
#include "modem/PduSubmission.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

const QString Mobile = QStringLiteral("+441234567890");
const QString LongNumber = QStringLiteral("+12345678901234"); // 14 digits: a 9-octet address
const QString Emoji = QStringLiteral("\U0001F600");

QString a(int count)
{
    return QStringLiteral("a").repeated(count);
}

MessageCountOptions pdu(bool unicode)
{
    return {unicode, false};
}

MessageCountOptions textMode(bool unicode)
{
    return {unicode, true};
}

struct CountCase
{
    const char* name;
    QString text;
    QString number;
    MessageCountOptions options;
    MessageEncoding encoding;
    int parts;
    int characters;
    int units;
};

constexpr auto Gsm = MessageEncoding::Gsm7;
constexpr auto Ucs2 = MessageEncoding::Ucs2;

} // namespace

TEST(CountMessageTest, BoundariesOfOneMessageAndOfEachPart)
{
    const CountCase cases[] = {
        {"empty", QString(), Mobile, pdu(false), Gsm, 1, 0, 0},
        {"160 septets", a(160), Mobile, pdu(false), Gsm, 1, 160, 160},
        {"161 septets", a(161), Mobile, pdu(false), Gsm, 2, 161, 161},
        {"two full parts", a(304), Mobile, pdu(false), Gsm, 2, 304, 304},
        {"one septet more", a(305), Mobile, pdu(false), Gsm, 3, 305, 305},
        {"an escape as the 160th septet", a(158) + u'{', Mobile, pdu(false), Gsm, 1, 159, 160},
        {"an escape past 160 septets", a(159) + u'{', Mobile, pdu(false), Gsm, 2, 160, 161},
        // The pair would straddle the parts: it opens the next one, which then overflows.
        {"an escape at a part's end", a(151) + u'{' + a(151), Mobile, pdu(false), Gsm, 3, 303, 304},
        {"an escape ending a part", a(150) + u'{' + a(152), Mobile, pdu(false), Gsm, 2, 303, 304},
        {"CR LF counts one", a(159) + QStringLiteral("\r\n"), Mobile, pdu(false), Gsm, 1, 160, 160},
        {"curly quotes go as straight ones", QStringLiteral("\u201Chi\u201D\u2026"), Mobile,
         pdu(false), Gsm, 1, 7, 7},
        {"a long number leaves no room for 160", a(160), LongNumber, pdu(false), Gsm, 2, 160, 160},
        {"a long number and 158 septets", a(158), LongNumber, pdu(false), Gsm, 1, 158, 158},
        {"70 UCS2 units", a(70), Mobile, pdu(true), Ucs2, 1, 70, 70},
        {"71 UCS2 units", a(71), Mobile, pdu(true), Ucs2, 2, 71, 71},
        {"two full UCS2 parts", a(132), Mobile, pdu(true), Ucs2, 2, 132, 132},
        {"one UCS2 unit more", a(133), Mobile, pdu(true), Ucs2, 3, 133, 133},
        {"70 units to a long number", a(70), LongNumber, pdu(true), Ucs2, 2, 70, 70},
        {"35 surrogate pairs fit one", Emoji.repeated(35), Mobile, pdu(true), Ucs2, 1, 35, 70},
        // The pair at units 66 and 67 moves whole into the second part.
        {"a pair at a part's end", a(65) + Emoji + a(65), Mobile, pdu(true), Ucs2, 3, 131, 132},
        {"a pair ending a part", a(64) + Emoji + a(66), Mobile, pdu(true), Ucs2, 2, 131, 132},
        {"Unicode on sends GSM text as UCS2 in PDU mode", a(100), Mobile, pdu(true), Ucs2, 2, 100,
         100},
        {"text mode keeps GSM text in GSM", a(160), Mobile, textMode(true), Gsm, 1, 160, 160},
        {"text mode slices of 150", a(301), Mobile, textMode(true), Gsm, 3, 301, 301},
        {"text mode UCS2 slices of 64", QStringLiteral("\u0142").repeated(129), Mobile,
         textMode(true), Ucs2, 3, 129, 129},
        {"text mode without Unicode replaces", QStringLiteral("\u0142").repeated(129), Mobile,
         textMode(false), Gsm, 1, 129, 129},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MessageCount count = countMessage(c.text, c.number, c.options);
        EXPECT_EQ(count.encoding, c.encoding);
        EXPECT_EQ(count.parts, c.parts);
        EXPECT_EQ(count.characters, c.characters);
        EXPECT_EQ(count.units, c.units);
        EXPECT_FALSE(count.tooLong);
    }
}

TEST(CountMessageTest, PastTheLastPartAHeaderCanCount)
{
    EXPECT_FALSE(countMessage(a(152 * 255), Mobile, pdu(false)).tooLong);
    const MessageCount over = countMessage(a(152 * 255 + 1), Mobile, pdu(false));
    EXPECT_TRUE(over.tooLong);
    EXPECT_EQ(over.parts, 256);
    // Text mode sends slices without a header: nothing limits their number.
    EXPECT_FALSE(countMessage(a(152 * 255 + 1), Mobile, textMode(false)).tooLong);
}

namespace {

// What the PDUs the sender would hand the modem say about the message.
MessageCount countOfPdus(const std::optional<PduSubmission>& submission, int tooLongParts)
{
    MessageCount count;
    if (!submission) {
        count.tooLong = true;
        count.parts = tooLongParts;
        return count;
    }
    count.parts = static_cast<int>(submission->pdus.size());
    count.units = 0;
    for (const EncodedPdu& pdu : submission->pdus) {
        const SubmitFields fields = readSubmitPdu(pdu.pdu);
        const bool ucs2 = (fields.dataCodingScheme & 0x08) != 0;
        count.encoding = ucs2 ? MessageEncoding::Ucs2 : MessageEncoding::Gsm7;
        const int length = fields.userDataLength - (submission->concatenated ? (ucs2 ? 7 : 8) : 0);
        count.units += ucs2 ? length / 2 : length;
    }
    return count;
}

QString randomText(std::mt19937& random)
{
    // Plain letters, escapes, GSM letters beyond ASCII, look-alikes (one of them three
    // characters long), letters with nothing near, a surrogate pair and CR LF.
    static const QStringList pieces = {
        QStringLiteral("a"),      QStringLiteral(" "),      QStringLiteral("{"),
        QStringLiteral("\u20AC"), QStringLiteral("\u00E9"), QStringLiteral("\u0394"),
        QStringLiteral("\u201C"), QStringLiteral("\u2026"), QStringLiteral("\u00A0"),
        QStringLiteral("\u0142"), QStringLiteral("\u4E2D"), Emoji,
        QStringLiteral("\r\n"),   QStringLiteral("\n"),     QStringLiteral("`"),
    };
    std::uniform_int_distribution<int> length(0, 420);
    std::uniform_int_distribution<int> plain(0, 9);
    std::uniform_int_distribution<int> piece(0, static_cast<int>(pieces.size()) - 1);
    // Mostly one kind of text, as real messages are, so both encodings reach their limits.
    const int mixed = plain(random);
    QString text;
    for (int n = length(random); n > 0; --n)
        text += plain(random) < mixed ? pieces.at(piece(random)) : QStringLiteral("a");
    return text;
}

} // namespace

TEST(CountMessageTest, AgreesWithTheEncoderOverRandomTexts)
{
    std::mt19937 random(20261210);
    const QString numbers[] = {Mobile, LongNumber, QStringLiteral("12345"), QString()};
    std::uniform_int_distribution<int> pick(0, 3);
    for (int i = 0; i < 4000; ++i) {
        const QString text = randomText(random);
        const QString& number = numbers[pick(random)];
        const bool unicode = pick(random) % 2 == 0;
        SCOPED_TRACE(::testing::Message() << "text " << text.toStdString() << " to "
                                          << number.toStdString() << (unicode ? " UCS2" : ""));
        const MessageCount count = countMessage(text, number, pdu(unicode));
        PduOptions options;
        options.unicode = unicode;
        const MessageCount sent =
            countOfPdus(encodeMessagePdus(text, number, QString(), 1, options), count.parts);
        EXPECT_EQ(count.parts, sent.parts);
        EXPECT_EQ(count.tooLong, sent.tooLong);
        if (!sent.tooLong) {
            EXPECT_EQ(count.encoding, sent.encoding);
            EXPECT_EQ(count.units, sent.units);
        }
        // The shortcut the preview takes for a text outside the alphabet.
        for (const bool textMode : {false, true}) {
            if (count.outsideGsm)
                EXPECT_EQ(ucs2MessageParts(text, number, textMode),
                          countMessage(text, number, {true, textMode}).parts)
                    << textMode;
        }
        if (HasFailure())
            break;
    }
}

TEST(CountMessageTest, BoundariesWithNationalLanguageTables)
{
    using L = NationalLanguage;
    const QString dotless = QStringLiteral("\u0131"); // Turkish locking table
    const QString acute = QStringLiteral("\u00E1");   // Spanish single shift table
    const struct
    {
        const char* name;
        QString text;
        int parts;
        ShiftTables tables;
        int units;
    } cases[] = {
        // One header element: 5 septets with its fill bits, 155 left.
        {"155 septets, one element", dotless.repeated(155), 1, {L::Turkish, L::None}, 155},
        {"156 septets, one element", dotless.repeated(156), 2, {L::Turkish, L::None}, 156},
        // A long message: 12 header septets, 148 a part.
        {"two full parts", dotless.repeated(296), 2, {L::Turkish, L::None}, 296},
        {"one septet more", dotless.repeated(297), 3, {L::Turkish, L::None}, 297},
        // Two elements: 8 header septets, 152 left; the escape pair counts two.
        {"152 septets, two elements",
         dotless.repeated(150) + acute,
         1,
         {L::Turkish, L::Spanish},
         152},
        {"153 septets, two elements",
         dotless.repeated(151) + acute,
         2,
         {L::Turkish, L::Spanish},
         153},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MessageCount count = countMessage(c.text, Mobile, {true, false, true});
        EXPECT_EQ(count.encoding, MessageEncoding::Gsm7);
        EXPECT_EQ(count.parts, c.parts);
        EXPECT_EQ(count.tables, c.tables);
        EXPECT_EQ(count.units, c.units);
        const auto pdus =
            encodeMessagePdus(c.text, Mobile, QString(), 1, {true, false, true, false, true});
        ASSERT_TRUE(pdus.has_value());
        EXPECT_EQ(static_cast<int>(pdus->pdus.size()), c.parts);
    }
}
