#include "modem/GsmLookalikes.h"

#include "modem/GsmAlphabet.h"

#include <gtest/gtest.h>

namespace {

// Every character the GSM default alphabet and its escape table can carry.
const QString gsmRepertoire =
    QStringLiteral("@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
                   "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà"
                   "\f^{}\\[~]|€");

TEST(GsmLookalikesTest, CharactersTheAlphabetLacksBecomeTheirNearest)
{
    const struct
    {
        QString text;
        QString nearest;
        int unknown;
    } cases[] = {
        {QStringLiteral("Dear Mr García, Sofía"), QStringLiteral("Dear Mr Garcia, Sofia"), 0},
        {QStringLiteral("łódź Łukasz şişli ğ İ ı"), QStringLiteral("lodz Lukasz sisli g I i"), 0},
        {QStringLiteral("ÀÁÂÃÈÊËÌÍÎÏÒÓÔÕÙÚÛÝ"), QStringLiteral("AAAAEEEIIIIOOOOUUUY"), 0},
        {QStringLiteral("áâãêëíîïóôõúûýÿçœŒđÐþ"), QStringLiteral("aaaeeiiiooouuyyÇoeOEdDth"), 0},
        {QStringLiteral("‘quoted’ “quoted” „low“ «guillemets»"),
         QStringLiteral("'quoted' \"quoted\" \"low\" \"guillemets\""), 0},
        {QStringLiteral("a–b—c−d‐e"), QStringLiteral("a-b-c-d-e"), 0},
        {QStringLiteral("10\u00A0000\u202Fkm\u2009now\u3000"), QStringLiteral("10 000 km now "), 0},
        {QStringLiteral("wait…"), QStringLiteral("wait..."), 0},
        {QStringLiteral("• one\n◦ two"), QStringLiteral("- one\n- two"), 0},
        {QStringLiteral("a\tb`c´d"), QStringLiteral("a b'c'd"), 0},
        // invisible characters show nothing, so they send nothing
        {QStringLiteral("soft\u00ADhyphen zero\u200Bwidth \uFEFFmark"),
         QStringLiteral("softhyphen zerowidth mark"), 0},
        // a letter typed with a separate accent finds its GSM letter first
        {QStringLiteral("A\u030A e\u0301 i\u0301"), QStringLiteral("Å é i"), 0},
        {QStringLiteral("ΑΒΓ αβγ άλφα ω"), QStringLiteral("ABΓ ABΓ AΛΦA Ω"), 0},
        {QStringLiteral("ﬁne Ｆｕｌｌ ½ ™"), QStringLiteral("fine Full 1/2 TM"), 0},
        // nothing near: "?" and counted, a surrogate pair once
        {QStringLiteral("中文"), QStringLiteral("??"), 2},
        {QStringLiteral("ok 👍!"), QStringLiteral("ok ?!"), 1},
        {QStringLiteral("Привет"), QStringLiteral("??????"), 6},
        {QString(QChar(0xD800)) + QStringLiteral("x\x01"), QStringLiteral("?x?"), 2},
    };
    for (const auto& c : cases) {
        const GsmReplacement replaced = replaceWithNearestGsm(c.text);
        EXPECT_EQ(replaced.text, c.nearest) << c.text.toStdString();
        EXPECT_EQ(replaced.unknown, c.unknown) << c.text.toStdString();
        EXPECT_TRUE(holdsNonGsmCharacters(c.text)) << c.text.toStdString();
        EXPECT_FALSE(holdsNonGsmCharacters(replaced.text)) << c.text.toStdString();
    }
}

TEST(GsmLookalikesTest, GsmCharactersAndEscapesAreLeftAlone)
{
    EXPECT_FALSE(holdsNonGsmCharacters(gsmRepertoire));
    EXPECT_TRUE(nonGsmCharacters(gsmRepertoire).isEmpty());
    const GsmReplacement replaced = replaceWithNearestGsm(gsmRepertoire);
    EXPECT_EQ(replaced.text, gsmRepertoire);
    EXPECT_EQ(replaced.unknown, 0);
    for (const QChar c : gsmRepertoire) {
        EXPECT_TRUE(isGsmCharacter(c.unicode())) << int(c.unicode());
        EXPECT_EQ(nearestGsmOf(c.unicode()), QString(c)) << int(c.unicode());
    }
    // Mixed with characters that are replaced, the GSM ones stay as they were.
    EXPECT_EQ(replaceWithNearestGsm(QStringLiteral("€[]{}~|^\\ í")).text,
              QStringLiteral("€[]{}~|^\\ i"));
}

TEST(GsmLookalikesTest, NearestOfOneCharacter)
{
    EXPECT_EQ(nearestGsmOf(U'í'), QStringLiteral("i"));
    EXPECT_EQ(nearestGsmOf(U'…'), QStringLiteral("..."));
    EXPECT_EQ(nearestGsmOf(0x200B), QString());
    EXPECT_EQ(nearestGsmOf(U'中'), std::nullopt);
    EXPECT_EQ(nearestGsmOf(0x1F44D), std::nullopt);
}

TEST(GsmLookalikesTest, ListsTheCharactersTheAlphabetCannotCarry)
{
    EXPECT_EQ(nonGsmCharacters(QStringLiteral("García í “x” 👍 í€")),
              (QStringList{QStringLiteral("í"), QStringLiteral("“"), QStringLiteral("”"),
                           QStringLiteral("👍")}));
    EXPECT_EQ(nonGsmCharacters(QStringLiteral("a`b\tc")),
              (QStringList{QStringLiteral("`"), QStringLiteral("\t")}));
    EXPECT_TRUE(nonGsmCharacters(QString()).isEmpty());
}

TEST(GsmLookalikesTest, InvisibleCharactersAreShownByTheirCode)
{
    EXPECT_EQ(shownCharacter(QStringLiteral("í")), QStringLiteral("í"));
    EXPECT_EQ(shownCharacter(QStringLiteral("👍")), QStringLiteral("👍"));
    EXPECT_EQ(shownCharacter(QStringLiteral("\u00A0")), QStringLiteral("U+00A0"));
    EXPECT_EQ(shownCharacter(QStringLiteral("\t")), QStringLiteral("U+0009"));
    EXPECT_EQ(shownCharacter(QStringLiteral("\u200B")), QStringLiteral("U+200B"));
}

} // namespace

TEST(ReplaceLookalikesTest, EveryTableEntryBecomesItsGsmText)
{
    const std::vector<LookalikeEntry> table = lookalikeTable();
    ASSERT_FALSE(table.empty());
    for (const LookalikeEntry& entry : table) {
        const QString character = QString::fromUcs4(&entry.character, 1);
        SCOPED_TRACE(shownCharacter(character).toStdString());
        EXPECT_FALSE(holdsNonGsmCharacters(entry.nearest));
        EXPECT_TRUE(holdsNonGsmCharacters(character));
        const std::optional<QString> replaced =
            replaceLookalikes(QStringLiteral("x") + character + QStringLiteral("{é}"));
        ASSERT_TRUE(replaced.has_value());
        EXPECT_EQ(*replaced, QStringLiteral("x") + entry.nearest + QStringLiteral("{é}"));
    }
}

// Every character of the basic plane beside a look-alike: a GSM character stays as it was, a
// character with nothing near leaves the whole text as written.
TEST(ReplaceLookalikesTest, NothingOutsideTheTableChanges)
{
    const QString quote = QStringLiteral("\u201C");
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString character = QString::fromUcs4(&c, 1);
        const std::optional<QString> replaced = replaceLookalikes(quote + character);
        if (isGsmCharacter(static_cast<char16_t>(c))) {
            ASSERT_EQ(replaced, QStringLiteral("\"") + character)
                << std::hex << static_cast<unsigned>(c);
        } else if (!nearestGsmOf(c)) {
            ASSERT_EQ(replaced, std::nullopt) << std::hex << static_cast<unsigned>(c);
        } else {
            ASSERT_TRUE(replaced.has_value()) << std::hex << static_cast<unsigned>(c);
            ASSERT_FALSE(holdsNonGsmCharacters(*replaced)) << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_EQ(replaceLookalikes(gsmRepertoire), std::nullopt) << "nothing to replace";
    EXPECT_EQ(replaceLookalikes(QStringLiteral("\u201Cok\u201D \U0001F44D")), std::nullopt);
}
