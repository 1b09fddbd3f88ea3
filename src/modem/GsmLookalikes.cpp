#include "modem/GsmLookalikes.h"

#include "modem/GsmAlphabet.h"

#include <QChar>
#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

struct Lookalike
{
    char32_t character;
    std::u16string_view nearest;
};

// What the decomposition below cannot find: letters without a decomposition, punctuation,
// and the Greek letters a GSM phone writes with the Latin capitals they look like. Sorted by
// character for the binary search.
// clang-format off
constexpr Lookalike lookalikes[] = {
    {0x0009, u" "},  // tab
    {0x0060, u"'"},  // backquote
    {0x00A0, u" "},  // no-break space
    {0x00A2, u"c"},  {0x00A6, u"|"},  {0x00A9, u"(c)"}, {0x00AB, u"\""}, {0x00AE, u"(R)"},
    {0x00B4, u"'"},  {0x00B5, u"u"},  {0x00B7, u"."},   {0x00BB, u"\""}, {0x00D0, u"D"},
    {0x00D7, u"x"},  {0x00DE, u"Th"}, {0x00E7, u"Ç"},   {0x00F0, u"d"},  {0x00F7, u"/"},
    {0x00FE, u"th"}, {0x0110, u"D"},  {0x0111, u"d"},   {0x0126, u"H"},  {0x0127, u"h"},
    {0x0131, u"i"},  {0x0138, u"k"},  {0x013F, u"L"},   {0x0140, u"l"},  {0x0141, u"L"},
    {0x0142, u"l"},  {0x014A, u"N"},  {0x014B, u"n"},   {0x0152, u"OE"}, {0x0153, u"oe"},
    {0x0166, u"T"},  {0x0167, u"t"},  {0x018F, u"E"},   {0x0192, u"f"},  {0x0259, u"e"},
    {0x02BC, u"'"},  {0x02C6, u"^"},  {0x02DC, u"~"},
    // Greek capitals that look like Latin ones
    {0x0391, u"A"},  {0x0392, u"B"},  {0x0395, u"E"},   {0x0396, u"Z"},  {0x0397, u"H"},
    {0x0399, u"I"},  {0x039A, u"K"},  {0x039C, u"M"},   {0x039D, u"N"},  {0x039F, u"O"},
    {0x03A1, u"P"},  {0x03A4, u"T"},  {0x03A5, u"Y"},   {0x03A7, u"X"},
    // Greek small letters, written as capitals
    {0x03B1, u"A"},  {0x03B2, u"B"},  {0x03B3, u"Γ"},   {0x03B4, u"Δ"},  {0x03B5, u"E"},
    {0x03B6, u"Z"},  {0x03B7, u"H"},  {0x03B8, u"Θ"},   {0x03B9, u"I"},  {0x03BA, u"K"},
    {0x03BB, u"Λ"},  {0x03BC, u"M"},  {0x03BD, u"N"},   {0x03BE, u"Ξ"},  {0x03BF, u"O"},
    {0x03C0, u"Π"},  {0x03C1, u"P"},  {0x03C2, u"Σ"},   {0x03C3, u"Σ"},  {0x03C4, u"T"},
    {0x03C5, u"Y"},  {0x03C6, u"Φ"},  {0x03C7, u"X"},   {0x03C8, u"Ψ"},  {0x03C9, u"Ω"},
    // dashes, quotes and bullets
    {0x2010, u"-"},  {0x2011, u"-"},  {0x2012, u"-"},   {0x2013, u"-"},  {0x2014, u"-"},
    {0x2015, u"-"},  {0x2018, u"'"},  {0x2019, u"'"},   {0x201A, u"'"},  {0x201B, u"'"},
    {0x201C, u"\""}, {0x201D, u"\""}, {0x201E, u"\""},  {0x201F, u"\""}, {0x2022, u"-"},
    {0x2023, u"-"},  {0x2026, u"..."}, {0x2028, u"\n"}, {0x2029, u"\n"}, {0x2032, u"'"},
    {0x2033, u"\""}, {0x2039, u"'"},  {0x203A, u"'"},   {0x2043, u"-"},  {0x2044, u"/"},
    {0x2212, u"-"},  {0x2219, u"-"},  {0x25AA, u"-"},   {0x25CF, u"-"},  {0x25E6, u"-"},
};
// clang-format on
static_assert(std::is_sorted(std::begin(lookalikes), std::end(lookalikes),
                             [](const Lookalike& a, const Lookalike& b) {
                                 return a.character < b.character;
                             }));

std::optional<QString> tableEntry(char32_t character)
{
    const auto* entry =
        std::lower_bound(std::begin(lookalikes), std::end(lookalikes), character,
                         [](const Lookalike& e, char32_t value) { return e.character < value; });
    if (entry == std::end(lookalikes) || entry->character != character)
        return std::nullopt;
    return QString::fromUtf16(entry->nearest.data(), static_cast<qsizetype>(entry->nearest.size()));
}

bool carried(char32_t character)
{
    return character <= 0xFFFF && isGsmCharacter(static_cast<char16_t>(character));
}

// Combining marks and format characters (soft hyphen, zero-width spaces, byte-order mark)
// show nothing of their own.
bool invisible(char32_t character)
{
    const QChar::Category category = QChar::category(character);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
           category == QChar::Other_Format;
}

// One code point at index, stepping over a surrogate pair; a lone surrogate stays itself.
char32_t codePointAt(const QString& text, qsizetype& index)
{
    const QChar c = text.at(index++);
    if (c.isHighSurrogate() && index < text.size() && text.at(index).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(index++));
    return c.unicode();
}

// A decomposed character: its base letters and marks, each made GSM on its own.
std::optional<QString> nearestOfDecomposition(char32_t character)
{
    const QString single = QString::fromUcs4(&character, 1);
    const QString decomposed = single.normalized(QString::NormalizationForm_KD);
    if (decomposed == single)
        return std::nullopt;
    QString nearest;
    for (qsizetype i = 0; i < decomposed.size();) {
        const char32_t part = codePointAt(decomposed, i);
        if (carried(part)) {
            nearest.append(QString::fromUcs4(&part, 1));
        } else if (std::optional<QString> entry = tableEntry(part)) {
            nearest.append(*entry);
        } else if (!invisible(part)) {
            return std::nullopt;
        }
    }
    return nearest;
}

} // namespace

std::optional<QString> nearestGsmOf(char32_t character)
{
    if (carried(character))
        return QString::fromUcs4(&character, 1);
    if (std::optional<QString> entry = tableEntry(character))
        return entry;
    if (invisible(character))
        return QString();
    return nearestOfDecomposition(character);
}

std::vector<LookalikeEntry> lookalikeTable()
{
    std::vector<LookalikeEntry> table;
    table.reserve(std::size(lookalikes));
    for (const Lookalike& entry : lookalikes)
        table.push_back(
            {entry.character, QString::fromUtf16(entry.nearest.data(),
                                                 static_cast<qsizetype>(entry.nearest.size()))});
    return table;
}

std::optional<QString> replaceLookalikes(const QString& text)
{
    if (!holdsNonGsmCharacters(text))
        return std::nullopt;
    GsmReplacement replaced = replaceWithNearestGsm(text);
    if (replaced.unknown > 0)
        return std::nullopt;
    return std::move(replaced.text);
}

bool holdsNonGsmCharacters(const QString& text)
{
    return !std::all_of(text.cbegin(), text.cend(),
                        [](QChar c) { return isGsmCharacter(c.unicode()); });
}

GsmReplacement replaceWithNearestGsm(const QString& text)
{
    if (!holdsNonGsmCharacters(text))
        return {text, 0};
    // Composed first, so that a letter typed with a separate accent finds its GSM letter (A
    // with a combining ring is Å).
    const QString composed = text.normalized(QString::NormalizationForm_C);
    GsmReplacement result;
    result.text.reserve(composed.size());
    const QStringView view(composed);
    for (qsizetype i = 0; i < composed.size();) {
        // Most characters of such a text are GSM ones: kept a run at a time.
        qsizetype end = i;
        while (end < composed.size() && isGsmCharacter(view[end].unicode()))
            ++end;
        if (end > i) {
            result.text.append(view.mid(i, end - i));
            i = end;
            continue;
        }
        const char32_t character = codePointAt(composed, i);
        if (std::optional<QString> nearest = nearestGsmOf(character)) {
            result.text.append(*nearest);
        } else {
            result.text.append(QChar(NoNearGsmCharacter));
            ++result.unknown;
        }
    }
    return result;
}

QStringList nonGsmCharacters(const QString& text)
{
    QStringList found;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        const char32_t character = codePointAt(text, i);
        if (carried(character))
            continue;
        const QString one = text.mid(start, i - start);
        if (!found.contains(one))
            found.append(one);
    }
    return found;
}

QString shownCharacter(const QString& character)
{
    if (character.isEmpty())
        return character;
    qsizetype index = 0;
    const char32_t code = codePointAt(character, index);
    const QChar::Category category = QChar::category(code);
    const bool readable = QChar::isPrint(code) && !QChar::isSpace(code) &&
                          category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing;
    if (readable)
        return character;
    return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString namedCharacters(const QStringList& characters)
{
    constexpr int CharactersNamed = 6;
    QStringList shown;
    for (const QString& character : characters.mid(0, CharactersNamed))
        shown.append(shownCharacter(character));
    if (characters.size() > CharactersNamed)
        shown.append(QStringLiteral("..."));
    return shown.join(u' ');
}
