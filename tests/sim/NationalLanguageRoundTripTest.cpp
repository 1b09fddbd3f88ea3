// Messages in national language tables read back by the simulator's own tables: the text a
// phone shows must be the text composed, in fewer parts than UCS2 would take.
#include "modem/MessageCount.h"
#include "modem/NationalLanguageTables.h"
#include "modem/PduSubmission.h"
#include "sim/PduDecoder.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

const QString Mobile = QStringLiteral("+447700900123");

PduOptions national(bool on = true)
{
    PduOptions options;
    options.unicode = true;
    options.nationalLanguages = on;
    return options;
}

struct Received
{
    QString text;
    int parts = 0;
    bool gsm = true;
    int locking = 0;
    int single = 0;
    int firstUserDataLength = 0;
};

Received receive(const PduSubmission& submission)
{
    Received received;
    std::vector<sim::DecodedSubmit> parts;
    for (const EncodedPdu& pdu : submission.pdus) {
        QString error;
        auto decoded = sim::decodeSubmitPdu(pdu.pdu.toLatin1(), true, &error);
        EXPECT_TRUE(decoded.has_value()) << error.toStdString() << " in " << pdu.pdu.toStdString();
        if (!decoded)
            return received;
        EXPECT_EQ(decoded->tpduLength, pdu.tpduLength);
        EXPECT_EQ(decoded->concatenation.has_value(), submission.concatenated);
        if (parts.empty()) {
            received.locking = decoded->lockingShift;
            received.single = decoded->singleShift;
            received.firstUserDataLength = decoded->userDataLength;
        }
        // Every part names the tables, and reads whole on its own.
        EXPECT_EQ(decoded->lockingShift, received.locking);
        EXPECT_EQ(decoded->singleShift, received.single);
        EXPECT_FALSE(decoded->text.isEmpty());
        received.gsm = received.gsm && decoded->coding.alphabet == sim::Alphabet::Gsm7;
        parts.push_back(std::move(*decoded));
    }
    received.parts = static_cast<int>(parts.size());
    received.text = sim::reassembleText(std::move(parts));
    return received;
}

// Every character below U+0E00 the encoder finds in a language's own tables.
QString charactersOf(NationalLanguage language)
{
    QString characters;
    for (char16_t c = 1; c < 0x0E00; ++c)
        if (c != u'\r' && nationalWidth(c, {language, language}) > 0)
            characters += QChar(c);
    return characters;
}

constexpr NationalLanguage Indian[] = {
    NationalLanguage::Bengali, NationalLanguage::Gujarati,  NationalLanguage::Hindi,
    NationalLanguage::Kannada, NationalLanguage::Malayalam, NationalLanguage::Oriya,
    NationalLanguage::Punjabi, NationalLanguage::Tamil,     NationalLanguage::Telugu,
    NationalLanguage::Urdu,
};

} // namespace

TEST(NationalLanguageRoundTripTest, TextsGoInTheTableThatSavesParts)
{
    const struct
    {
        const char* name;
        QString text;
        int locking;
        int single;
        int parts;
    } cases[] = {
        {"Turkish",
         QStringLiteral("\u015Eu \u00E7ok g\u00FCzel \u0130stanbul \u015Fehrinde "
                        "bulu\u015Fal\u0131m, \u011Fece saat dokuzda. ")
             .repeated(2),
         0, 1, 1},
        // "¿" is in the default alphabet only: the Spanish single shift table adds "á".
        {"Spanish",
         QStringLiteral("\u00BFQu\u00E9 tal? Ma\u00F1ana ir\u00E1 a la playa, \u00E1rbol. ")
             .repeated(2),
         0, 2, 1},
        {"Portuguese",
         QStringLiteral("N\u00E3o h\u00E1 a\u00E7\u00E3o \u00E0 vista, "
                        "cora\u00E7\u00E3o. ")
             .repeated(4),
         0, 3, 1},
        // A simpler header first; the locking table where it saves a part.
        {"Portuguese locking", QStringLiteral("\u00E3").repeated(100), 3, 0, 1},
        // 155 septets after the 5 of a one-element header fill one message; one more, two parts.
        {"155 Turkish septets", QStringLiteral("\u0131").repeated(155), 1, 0, 1},
        {"156 Turkish septets", QStringLiteral("\u0131").repeated(156), 1, 0, 2},
        {"long Turkish", QStringLiteral("\u0131\u015F").repeated(400), 1, 0, 6},
        // A sentence in each Indian script, three times (twice the longer Tamil one): the
        // locking shift table alone, or with the single shift table that has the rest. The
        // Bengali table lacks the danda: the lowest table with it, Gujarati's, adds it.
        {"Bengali", QStringLiteral("আমি বাংলায় গান গাই। তুমি কেমন আছ?").repeated(3), 4, 5, 1},
        {"Gujarati", QStringLiteral("તમે કેમ છો? હું મજામાં છું.").repeated(3), 5, 0, 1},
        {"Hindi", QStringLiteral("नमस्ते, आप कैसे हैं? मैं ठीक हूँ।").repeated(3), 6, 6, 1},
        {"Kannada", QStringLiteral("ನೀವು ಹೇಗಿದ್ದೀರಿ? ನಾನು ಚೆನ್ನಾಗಿದ್ದೇನೆ.").repeated(3), 7, 0, 1},
        {"Malayalam", QStringLiteral("നിങ്ങൾക്ക് സുഖമാണോ? എനിക്ക് സുഖമാണ്.").repeated(3), 8, 8, 1},
        {"Oriya", QStringLiteral("ଆପଣ କେମିତି ଅଛନ୍ତି? ମୁଁ ଭଲ ଅଛି।").repeated(3), 9, 9, 1},
        {"Punjabi", QStringLiteral("ਤੁਸੀਂ ਕਿਵੇਂ ਹੋ? ਮੈਂ ਠੀਕ ਹਾਂ।").repeated(3), 10, 10, 1},
        {"Tamil", QStringLiteral("நீங்கள் எப்படி இருக்கிறீர்கள்? நான் நலமாக இருக்கிறேன்.").repeated(2), 11, 0,
         1},
        {"Telugu", QStringLiteral("మీరు ఎలా ఉన్నారు? నేను బాగున్నాను.").repeated(3), 12, 0, 1},
        {"Urdu", QStringLiteral("آپ کیسے ہیں؟ میں ٹھیک ہوں۔").repeated(3), 13, 13, 1},
        // Latin capitals are in every Indian single shift table.
        {"Hindi with capitals", QStringLiteral("OTP 4821: नमस्ते ABC, आप कैसे हैं? ").repeated(3), 6, 6,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto submission = encodeMessagePdus(c.text, Mobile, QString(), 0x1234, national());
        ASSERT_TRUE(submission.has_value());
        const Received received = receive(*submission);
        EXPECT_TRUE(received.gsm);
        EXPECT_EQ(received.text, c.text);
        EXPECT_EQ(received.locking, c.locking);
        EXPECT_EQ(received.single, c.single);
        EXPECT_EQ(received.parts, c.parts);
        const MessageCount count = countMessage(c.text, Mobile, {true, false, true});
        EXPECT_EQ(count.parts, received.parts);
        EXPECT_EQ(static_cast<int>(count.tables.locking), c.locking);
        EXPECT_EQ(static_cast<int>(count.tables.single), c.single);
        const MessageCount ucs2 = countMessage(c.text, Mobile, {true, false, false});
        EXPECT_LT(count.parts, ucs2.parts);
        // One character no table has sends the whole text in UCS2.
        const QString outside = c.text + QChar(0x4E2D);
        EXPECT_EQ(countMessage(outside, Mobile, {true, false, true}).encoding,
                  MessageEncoding::Ucs2);
        const auto fallback = encodeMessagePdus(outside, Mobile, QString(), 2, national());
        ASSERT_TRUE(fallback.has_value());
        EXPECT_FALSE(receive(*fallback).gsm);
    }
    const auto single =
        encodeMessagePdus(QStringLiteral("\u0131").repeated(155), Mobile, QString(), 1, national());
    ASSERT_TRUE(single.has_value());
    EXPECT_EQ(receive(*single).firstUserDataLength, 160);
}

TEST(NationalLanguageRoundTripTest, OtherTextsAndTheOptionOffStayAsTheyWere)
{
    const QString turkish = QStringLiteral("\u0131\u015F").repeated(60);
    const QString cases[] = {
        QStringLiteral("plain GSM text goes as UCS2 with the Unicode option, as before"),
        QStringLiteral("\u4E2D\u6587 \u0131"), // no table has it
        QStringLiteral("k\u0131sa \u015Fey"),  // as few parts in UCS2: no gain
        QStringLiteral("\u0131").repeated(70), // one part either way
        // Scripts mixed beyond any pair of tables, and a character no table has.
        QStringLiteral("नमस्ते আমি ").repeated(8),
        QStringLiteral("नमस्ते \u4E2D").repeated(8),
        // Kannada DDA and the Tamil digit eight: not sent where phones read another character.
        QStringLiteral("\u0CA1").repeated(80),
        QStringLiteral("\u0BEE").repeated(80),
    };
    for (const QString& text : cases) {
        SCOPED_TRACE(text.toStdString());
        const auto submission = encodeMessagePdus(text, Mobile, QString(), 1, national());
        ASSERT_TRUE(submission.has_value());
        EXPECT_FALSE(receive(*submission).gsm);
        EXPECT_EQ(countMessage(text, Mobile, {true, false, true}).encoding, MessageEncoding::Ucs2);
    }
    const auto off = encodeMessagePdus(turkish, Mobile, QString(), 1, national(false));
    ASSERT_TRUE(off.has_value());
    EXPECT_FALSE(receive(*off).gsm);
    // Text mode has no header to name a table in.
    EXPECT_EQ(countMessage(turkish, Mobile, {true, true, true}).encoding, MessageEncoding::Ucs2);
}

TEST(NationalLanguageRoundTripTest, RandomTextsReadBackAndAgreeWithTheCount)
{
    const QString pool = QStringLiteral("abc \u0131\u015F\u011F\u0130\u00E7\u00FC\u00E1\u00ED"
                                        "\u00E3\u00F5\u00EA\u00C1\u00BF\u20AC{[\u4E2D\n");
    QRandomGenerator random(2026);
    int inTables = 0;
    for (int i = 0; i < 600; ++i) {
        QString text;
        const int length = random.bounded(1, 500);
        // Most texts keep to one language's letters, so that some table carries them.
        const int span = random.bounded(4, static_cast<int>(pool.size()) + 1);
        for (int n = 0; n < length; ++n)
            text += pool.at(random.bounded(span));
        SCOPED_TRACE(text.toStdString());
        const auto submission = encodeMessagePdus(text, Mobile, QString(), 7, national());
        ASSERT_TRUE(submission.has_value());
        const Received received = receive(*submission);
        EXPECT_EQ(received.text, text);
        const MessageCount count = countMessage(text, Mobile, {true, false, true});
        EXPECT_EQ(count.parts, received.parts);
        EXPECT_EQ(count.encoding == MessageEncoding::Gsm7, received.gsm);
        inTables += received.gsm ? 1 : 0;
        if (HasFailure())
            break;
    }
    // Both ways are taken often enough to be checked.
    EXPECT_GT(inTables, 100);
    EXPECT_LT(inTables, 500);
}

// The encoder's tables against the simulator's, character by character: every one the encoder
// puts in a language's tables reads back as itself.
TEST(NationalLanguageRoundTripTest, EveryCharacterOfTheIndianTablesReadsBack)
{
    for (const NationalLanguage language : Indian) {
        const QString characters = charactersOf(language);
        SCOPED_TRACE(characters.toStdString());
        // Room for the letters, digits and signs of the script besides the shared ones.
        EXPECT_GT(characters.size(), 150);
        const auto submission = encodeMessagePdus(characters, Mobile, QString(), 9, national());
        ASSERT_TRUE(submission.has_value());
        const Received received = receive(*submission);
        EXPECT_TRUE(received.gsm);
        EXPECT_EQ(received.locking, static_cast<int>(language));
        EXPECT_EQ(received.single, static_cast<int>(language));
        for (qsizetype i = 0; i < characters.size(); ++i) {
            if (i >= received.text.size() || received.text[i] != characters[i]) {
                ADD_FAILURE() << "U+" << QString::number(characters[i].unicode(), 16).toStdString()
                              << " reads back as something else";
                break;
            }
        }
        EXPECT_EQ(received.text.size(), characters.size());
    }
}

TEST(NationalLanguageRoundTripTest, RandomIndianTextsReadBackAndAgreeWithTheCount)
{
    QRandomGenerator random(2027);
    int inTables = 0;
    int texts = 0;
    for (const NationalLanguage language : Indian) {
        // The script's characters, with spaces, the danda and, now and then, one no table has.
        const QString pool = charactersOf(language) + QStringLiteral("    \u0964\u4E2D");
        for (int i = 0; i < 40; ++i, ++texts) {
            QString text;
            const int length = random.bounded(1, 400);
            const int span = static_cast<int>(pool.size()) - (random.bounded(3) == 0 ? 0 : 1);
            for (int n = 0; n < length; ++n)
                text += pool.at(random.bounded(span));
            SCOPED_TRACE(text.toStdString());
            const auto submission = encodeMessagePdus(text, Mobile, QString(), 7, national());
            ASSERT_TRUE(submission.has_value());
            const Received received = receive(*submission);
            EXPECT_EQ(received.text, text);
            const MessageCount count = countMessage(text, Mobile, {true, false, true});
            EXPECT_EQ(count.parts, received.parts);
            EXPECT_EQ(count.encoding == MessageEncoding::Gsm7, received.gsm);
            if (received.gsm) {
                EXPECT_EQ(static_cast<int>(count.tables.locking), received.locking);
            }
            inTables += received.gsm ? 1 : 0;
            if (HasFailure())
                return;
        }
    }
    EXPECT_GT(inTables, texts / 3);
    EXPECT_LT(inTables, texts);
}
