#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The nearest GSM characters of characters the GSM alphabet (with its escape table) cannot
// carry: í becomes i, ł becomes l, curly quotes straight ones, a non-breaking space a space,
// an ellipsis "...". Invisible format characters and lone combining marks are dropped. A
// character with nothing near in the alphabet becomes "?".

inline constexpr char16_t NoNearGsmCharacter = u'?';

// The nearest GSM text of one character (a Unicode code point): the character itself when the
// alphabet carries it, possibly several characters or none; nullopt when nothing is near.
std::optional<QString> nearestGsmOf(char32_t character);

struct GsmReplacement
{
    QString text;
    int unknown = 0; // characters with nothing near, now "?"
};

// The text with every character the alphabet cannot carry replaced by its nearest GSM
// characters. A text the alphabet carries whole comes back unchanged; a surrogate pair counts
// as one character.
GsmReplacement replaceWithNearestGsm(const QString& text);

// The look-alike table: characters the alphabet lacks that no decomposition leads to a GSM
// letter, with what they become. In order of character.
struct LookalikeEntry
{
    char32_t character;
    QString nearest;
};
std::vector<LookalikeEntry> lookalikeTable();

// The text with every character the alphabet lacks replaced by its nearest GSM characters,
// when every such character has some: the text then goes whole in the GSM alphabet. nullopt
// when the text holds none, or holds one with nothing near (it needs UCS2 whatever is
// replaced, so it is best left as written).
std::optional<QString> replaceLookalikes(const QString& text);

// Whether the alphabet cannot carry some character of the text.
bool holdsNonGsmCharacters(const QString& text);

// The distinct characters of the text that the alphabet cannot carry, in order of first
// appearance; a surrogate pair is one entry.
QStringList nonGsmCharacters(const QString& text);

// A character as a person can read it in a message: itself, or "U+00A0" for a space, a
// control or an invisible character.
QString shownCharacter(const QString& character);

// A few of the characters as a user reads them ("í ł “ U+00A0"), "..." after them when there
// are more.
QString namedCharacters(const QStringList& characters);
