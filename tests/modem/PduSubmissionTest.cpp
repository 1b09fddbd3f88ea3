#include "modem/PduSubmission.h"

#include "PduReader.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/SeptetPacking.h"
#include "modem/Ucs2Hex.h"

#include <QSet>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr quint16 Reference = 0xBEEF;
const QString Mobile = QStringLiteral("+441234567890");

QString times(int count, const QString& piece)
{
    return piece.repeated(count);
}

QString a(int count)
{
    return times(count, QStringLiteral("a"));
}

PduOptions gsm()
{
    return PduOptions{};
}

PduOptions ucs2()
{
    PduOptions options;
    options.unicode = true;
    return options;
}

// Reads every PDU back as a receiver would, checks what each part must hold, and returns the
// user data lengths; the text the receiver puts together goes to received.
std::vector<int> receive(const PduSubmission& submission, bool unicode, QString& received)
{
    std::vector<int> lengths;
    const int count = static_cast<int>(submission.pdus.size());
    for (int k = 1; k <= count; ++k) {
        const EncodedPdu& pdu = submission.pdus[static_cast<std::size_t>(k - 1)];
        const SubmitFields fields = readSubmitPdu(pdu.pdu);
        EXPECT_EQ(pdu.tpduLength, fields.tpduOctets);
        lengths.push_back(fields.userDataLength);
        int units = fields.userDataLength;
        if (submission.concatenated) {
            EXPECT_EQ(fields.firstOctet, 0x51);
            EXPECT_EQ(fields.header, QStringLiteral("060804BEEF%1%2")
                                         .arg(count, 2, 16, QLatin1Char('0'))
                                         .arg(k, 2, 16, QLatin1Char('0'))
                                         .toUpper());
            units -= unicode ? 7 : 8;
            EXPECT_GT(units, 0) << "part " << k << " carries no text";
        } else {
            EXPECT_EQ(fields.firstOctet, 0x11);
        }
        if (unicode) {
            EXPECT_LE(fields.userDataLength, 140);
            EXPECT_EQ(fields.data.size(), units * 2);
            received += fromUcs2Hex(fields.data).value_or(QStringLiteral("<bad hex>"));
        } else {
            EXPECT_LE(fields.userDataLength, 160);
            EXPECT_EQ(fields.data.size(), (units * 7 + 7) / 8 * 2) << "part " << k;
            const Septets septets = unpackSeptets(fields.data, units).value_or(Septets{});
            EXPECT_FALSE(!septets.empty() && septets.back() == GsmEscape)
                << "part " << k << " ends inside an escape pair";
            received += septetsToText(septets);
        }
    }
    return lengths;
}

struct SubmissionCase
{
    const char* name;
    QString text;
    QString number;
    PduOptions options;
    bool concatenated;
    std::vector<int> userDataLengths;
};

TEST(EncodeMessagePdusTest, PartCountsCarryTheWholeText)
{
    const SubmissionCase cases[] = {
        {"160 GSM characters fit one message", a(160), Mobile, gsm(), false, {160}},
        {"161 GSM characters", a(161), Mobile, gsm(), true, {160, 8 + 9}},
        {"301 GSM characters", a(301), Mobile, gsm(), true, {160, 8 + 149}},
        {"302 GSM characters", a(302), Mobile, gsm(), true, {160, 8 + 150}},
        // 303 septets end with one used bit in the last octet.
        {"303 GSM characters", a(303), Mobile, gsm(), true, {160, 8 + 151}},
        {"304 GSM characters", a(304), Mobile, gsm(), true, {160, 160}},
        {"305 GSM characters", a(305), Mobile, gsm(), true, {160, 160, 8 + 1}},
        {"escapes push 300 characters to 320 septets",
         a(280) + times(20, QStringLiteral("€")),
         Mobile,
         gsm(),
         true,
         {160, 160, 8 + 16}},
        {"escape pair at the first part boundary",
         a(151) + QStringLiteral("€") + a(9),
         Mobile,
         gsm(),
         true,
         {8 + 151, 8 + 11}},
        {"escape pair at the second part boundary",
         a(303) + QStringLiteral("[b"),
         Mobile,
         gsm(),
         true,
         {160, 8 + 151, 8 + 3}},
        {"escape pair just inside the first part",
         a(150) + QStringLiteral("]") + a(9),
         Mobile,
         gsm(),
         true,
         {160, 8 + 9}},
        {"70 UCS2 characters fit one message", a(70), Mobile, ucs2(), false, {140}},
        {"71 UCS2 characters", a(71), Mobile, ucs2(), true, {139, 7 + 10}},
        {"129 UCS2 characters", a(129), Mobile, ucs2(), true, {139, 7 + 126}},
        {"130 UCS2 characters", a(130), Mobile, ucs2(), true, {139, 7 + 128}},
        {"131 UCS2 characters", a(131), Mobile, ucs2(), true, {139, 7 + 130}},
        {"132 UCS2 characters", a(132), Mobile, ucs2(), true, {139, 139}},
        {"133 UCS2 characters", a(133), Mobile, ucs2(), true, {139, 139, 7 + 2}},
        {"surrogate pair at a part boundary",
         a(65) + QStringLiteral("😀") + a(10),
         Mobile,
         ucs2(),
         true,
         {7 + 130, 7 + 24}},
    };
    for (const SubmissionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto submission =
            encodeMessagePdus(c.text, c.number, QString(), Reference, c.options);
        ASSERT_TRUE(submission.has_value());
        EXPECT_EQ(submission->concatenated, c.concatenated);
        QString received;
        EXPECT_EQ(receive(*submission, c.options.unicode, received), c.userDataLengths);
        EXPECT_EQ(received, c.text);
    }
}

TEST(EncodeMessagePdusTest, CharactersOutsideTheAlphabetGoAsTheirNearestGsmLetters)
{
    const struct
    {
        const char* name;
        QString text;
        bool concatenated;
        QString received;
    } cases[] = {
        {"accents and quotes", QStringLiteral("Dear Mr García, Sofía’s evening…"), false,
         QStringLiteral("Dear Mr Garcia, Sofia's evening...")},
        {"nothing near", QStringLiteral("ok 中"), false, QStringLiteral("ok ?")},
        // The ellipsis takes three septets, so 159 characters no longer fit one message.
        {"lengths are those on the air", a(158) + QStringLiteral("…"), true,
         a(158) + QStringLiteral("...")},
        {"long message", a(200) + QStringLiteral("ł"), true, a(200) + QStringLiteral("l")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto submission = encodeMessagePdus(c.text, Mobile, QString(), Reference, gsm());
        ASSERT_TRUE(submission.has_value());
        EXPECT_EQ(submission->concatenated, c.concatenated);
        QString received;
        receive(*submission, false, received);
        EXPECT_EQ(received, c.received);
    }
    // The encoder on its own never sends another letter either.
    const SubmitFields fields =
        readSubmitPdu(EncodeSubmitPdu(QStringLiteral("Garcí…"), Mobile, QString(), gsm()).pdu);
    EXPECT_EQ(fields.userDataLength, 8);
    EXPECT_EQ(gsmPackedHexToText(fields.data, fields.userDataLength), QStringLiteral("Garci..."));
}

TEST(EncodeMessagePdusTest, OneMessageOnlyWhenItsTpduStaysUnder155Octets)
{
    const QString shortCode = QStringLiteral("12345");
    const SubmissionCase cases[] = {
        {"escapes make 160 characters too long",
         a(150) + times(10, QStringLiteral("{")),
         Mobile,
         gsm(),
         true,
         {160, 8 + 18}},
        {"a long number makes 160 characters too long",
         a(160),
         QStringLiteral("+12345678901234"),
         gsm(),
         true,
         {160, 8 + 8}},
        {"160 septets to a short code",
         a(158) + QStringLiteral("€"),
         shortCode,
         gsm(),
         false,
         {160}},
        // The TPDU would stay under 155 octets here, but no SMS holds more than 160 septets.
        {"163 septets to a short code",
         a(157) + times(3, QStringLiteral("€")),
         shortCode,
         gsm(),
         true,
         {160, 8 + 11}},
        {"empty text", QString(), Mobile, gsm(), false, {0}},
        {"empty UCS2 text", QString(), Mobile, ucs2(), false, {0}},
    };
    for (const SubmissionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto submission =
            encodeMessagePdus(c.text, c.number, QString(), Reference, c.options);
        ASSERT_TRUE(submission.has_value());
        EXPECT_EQ(submission->concatenated, c.concatenated);
        QString received;
        EXPECT_EQ(receive(*submission, c.options.unicode, received), c.userDataLengths);
        EXPECT_EQ(received, c.text);
    }
}

TEST(EncodeMessagePdusTest, PreparesTextSmscAndFlagsLikeTheSender)
{
    PduOptions flashUnicode = ucs2();
    flashUnicode.flash = true;
    const auto submission =
        encodeMessagePdus(a(100) + QStringLiteral("\r\nend"), Mobile,
                          QStringLiteral("  +919876543210 "), Reference, flashUnicode);
    ASSERT_TRUE(submission.has_value());
    QString received;
    receive(*submission, true, received);
    EXPECT_EQ(received, a(100) + QStringLiteral("\nend"));
    for (const EncodedPdu& pdu : submission->pdus) {
        const SubmitFields fields = readSubmitPdu(pdu.pdu);
        EXPECT_EQ(fields.smscField, QLatin1String("0791198967452301"));
        EXPECT_EQ(fields.dataCodingScheme, 0x18);
    }
}

TEST(EncodeMessagePdusTest, AtMost255Parts)
{
    const auto longest = encodeMessagePdus(a(152 * 255), Mobile, QString(), Reference, gsm());
    ASSERT_TRUE(longest.has_value());
    EXPECT_EQ(longest->pdus.size(), 255u);
    EXPECT_EQ(encodeMessagePdus(a(152 * 255 + 1), Mobile, QString(), Reference, gsm()),
              std::nullopt);
}

// A destination too long for a single PDU (only a number no box lets through) sends even an
// empty text as one part: its user data is the concatenation header alone.
TEST(EncodeMessagePdusTest, EmptyTextToAnOverlongNumber)
{
    const auto submission = encodeMessagePdus(QString(), QStringLiteral("7").repeated(300),
                                              QString(), Reference, gsm());
    ASSERT_TRUE(submission.has_value());
    EXPECT_TRUE(submission->concatenated);
    ASSERT_EQ(submission->pdus.size(), 1u);
    EXPECT_TRUE(submission->pdus.front().pdu.endsWith(QLatin1String("08060804BEEF0101")))
        << submission->pdus.front().pdu.toStdString();
}

TEST(ConcatenatedMessageTest, PartCountsAroundOnePart)
{
    const struct
    {
        QString text;
        bool unicode;
        int parts;
    } cases[] = {
        {a(152), false, 1},
        {a(153), false, 2},
        {a(151) + QStringLiteral("€"), false, 2}, // 153 septets
        {a(150) + QStringLiteral("€"), false, 1}, // 152 septets
        {a(66), true, 1},
        {a(67), true, 2},
        {QString(), false, 1},
    };
    for (const auto& c : cases) {
        PduOptions options;
        options.unicode = c.unicode;
        EXPECT_EQ(ConcatenatedMessage(c.text, Mobile, QString(), 1, options).partCount(), c.parts)
            << c.text.size() << (c.unicode ? " UCS2" : " GSM");
    }
}

TEST(EncodeMessagePdusTest, WorkersEncodingAtOnceKeepTheirMessagesApart)
{
    const QString texts[] = {a(400), times(400, QStringLiteral("b")),
                             times(200, QStringLiteral("c€")), times(300, QStringLiteral("д"))};
    std::vector<PduSubmission> expected;
    for (int i = 0; i < 4; ++i)
        expected.push_back(
            *encodeMessagePdus(texts[i], Mobile, QString(), quint16(i), i == 3 ? ucs2() : gsm()));
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> workers;
    for (int i = 0; i < 4; ++i) {
        workers.emplace_back([&, i] {
            for (int round = 0; round < 200; ++round) {
                const auto got = encodeMessagePdus(texts[i], Mobile, QString(), quint16(i),
                                                   i == 3 ? ucs2() : gsm());
                for (std::size_t k = 0; k < got->pdus.size(); ++k)
                    mismatches[i] += got->pdus[k].pdu != expected[i].pdus[k].pdu;
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

TEST(ConcatReferenceCounterTest, EverySubmissionGetsTheNextReferenceModulo65536)
{
    ConcatReferenceCounter counter;
    EXPECT_EQ(counter.next(), 1);
    EXPECT_EQ(counter.next(), 2);
    ConcatReferenceCounter nearWrap(65534);
    EXPECT_EQ(nearWrap.next(), 65535);
    EXPECT_EQ(nearWrap.next(), 0);
    EXPECT_EQ(nearWrap.next(), 1);
}

TEST(ConcatReferenceCounterTest, ConcurrentSubmissionsNeverShareAReference)
{
    ConcatReferenceCounter counter;
    std::vector<std::vector<quint16>> taken(4);
    std::vector<std::thread> workers;
    for (auto& mine : taken)
        workers.emplace_back([&counter, &mine] {
            for (int i = 0; i < 5000; ++i)
                mine.push_back(counter.next());
        });
    for (std::thread& worker : workers)
        worker.join();
    QSet<quint16> all;
    for (const auto& mine : taken)
        for (quint16 reference : mine)
            all.insert(reference);
    EXPECT_EQ(all.size(), 20000);
}

} // namespace
