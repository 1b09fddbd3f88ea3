// The program's PDU encoder checked by the simulator's independent decoder: whatever the
// encoder sends must reach the air as exactly the text that was composed.
#include "modem/PduSubmission.h"
#include "sim/PduDecoder.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// GSM default-alphabet characters, the escape-table ones among them, and characters that
// force UCS2.
const QString kGsm =
    QString::fromUtf8("abcXYZ019 @£$¥èéùìòÇØøÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ!\"#%&'()*+,-./:;<=>?¡ÄÖÑÜ§¿äöñüà\n");
const QString kEscapes = QString::fromUtf8("€[]{}|\\^~");
const QString kUcs2 = QString::fromUtf8("中文Ωжщ😀ĀŁ");

QString randomText(QRandomGenerator& random, bool unicode, int length)
{
    QString text;
    while (text.size() < length) {
        const int pick = random.bounded(10);
        const QString& pool = (unicode && pick == 0) ? kUcs2 : (pick == 1 ? kEscapes : kGsm);
        const qsizetype at = random.bounded(pool.size());
        const QChar c = pool[at];
        text += (c.isHighSurrogate() || c.isLowSurrogate()) ? QString::fromUtf8("😀") : QString(c);
    }
    return text;
}

void expectOnAir(const QString& text, bool unicode, bool flash, const QString& smsc)
{
    const auto submission =
        encodeMessagePdus(text, "+447700900123", smsc, 0xBEEF, PduOptions{true, flash, unicode});
    ASSERT_TRUE(submission.has_value());
    std::vector<sim::DecodedSubmit> parts;
    for (const EncodedPdu& pdu : submission->pdus) {
        QString error;
        const auto decoded = sim::decodeSubmitPdu(pdu.pdu.toLatin1(), true, &error);
        ASSERT_TRUE(decoded.has_value()) << error.toStdString() << " in " << pdu.pdu.toStdString();
        EXPECT_EQ(decoded->tpduLength, pdu.tpduLength);
        EXPECT_EQ(decoded->destination, "+447700900123");
        EXPECT_EQ(decoded->smsc, smsc);
        EXPECT_EQ(decoded->coding.messageClass == 0, flash);
        if (submission->concatenated) {
            ASSERT_TRUE(decoded->concatenation.has_value());
            EXPECT_EQ(decoded->concatenation->reference, 0xBEEF);
            EXPECT_EQ(decoded->concatenation->total, int(submission->pdus.size()));
            // Every part must read whole on its own: receivers do not join septet streams.
            EXPECT_FALSE(decoded->text.isEmpty());
        }
        parts.push_back(*decoded);
    }
    QString joined;
    for (const auto& part : parts)
        joined += part.text;
    EXPECT_EQ(joined, prepareMessageText(text)) << "parts: " << parts.size();
}

TEST(EncoderRoundTripTest, RandomTextsReachTheAirUnchanged)
{
    QRandomGenerator random(20261209);
    for (int round = 0; round < 300; ++round) {
        const bool unicode = round % 2 == 1;
        const bool flash = round % 3 == 0;
        const int maxLength = unicode ? 8 * 66 : 8 * 152;
        const int length = random.bounded(1, maxLength + 1);
        const QString smsc = round % 4 == 0 ? QString() : QStringLiteral("+31624000000");
        SCOPED_TRACE(round);
        expectOnAir(randomText(random, unicode, length), unicode, flash, smsc);
    }
}

TEST(EncoderRoundTripTest, EscapesAndSurrogatesAtPartBoundaries)
{
    for (int at = 148; at <= 153; ++at) {
        QString gsm(at, 'a');
        gsm += QString::fromUtf8("€{") + QString(200, 'b');
        expectOnAir(gsm, false, false, QString());
    }
    for (int at = 63; at <= 67; ++at) {
        QString ucs2(at, QChar(0x4E2D));
        ucs2 += QString::fromUtf8("😀") + QString(80, QChar(0x6587));
        expectOnAir(ucs2, true, true, QString());
    }
}

} // namespace
