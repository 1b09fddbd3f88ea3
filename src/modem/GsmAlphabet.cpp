#include "modem/GsmAlphabet.h"

#include "modem/GsmLookalikes.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct NonAsciiEntry
{
    char16_t character;
    GsmCode code;
};

// Sorted by character for the binary search.
// clang-format off
constexpr NonAsciiEntry nonAsciiTable[] = {
    {u'¡', {0x40, false}}, {u'£', {0x01, false}}, {u'¤', {0x24, false}}, {u'¥', {0x03, false}},
    {u'§', {0x5F, false}}, {u'¿', {0x60, false}}, {u'Ä', {0x5B, false}}, {u'Å', {0x0E, false}},
    {u'Æ', {0x1C, false}}, {u'Ç', {0x09, false}}, {u'É', {0x1F, false}}, {u'Ñ', {0x5D, false}},
    {u'Ö', {0x5C, false}}, {u'Ø', {0x0B, false}}, {u'Ü', {0x5E, false}}, {u'ß', {0x1E, false}},
    {u'à', {0x7F, false}}, {u'ä', {0x7B, false}}, {u'å', {0x0F, false}}, {u'æ', {0x1D, false}},
    {u'è', {0x04, false}}, {u'é', {0x05, false}}, {u'ì', {0x07, false}}, {u'ñ', {0x7D, false}},
    {u'ò', {0x08, false}}, {u'ö', {0x7C, false}}, {u'ø', {0x0C, false}}, {u'ù', {0x06, false}},
    {u'ü', {0x7E, false}}, {u'Γ', {0x13, false}}, {u'Δ', {0x10, false}}, {u'Θ', {0x19, false}},
    {u'Λ', {0x14, false}}, {u'Ξ', {0x1A, false}}, {u'Π', {0x16, false}}, {u'Σ', {0x18, false}},
    {u'Φ', {0x12, false}}, {u'Ψ', {0x17, false}}, {u'Ω', {0x15, false}}, {u'€', {0x65, true}},
};
// clang-format on
static_assert(std::is_sorted(std::begin(nonAsciiTable), std::end(nonAsciiTable),
                             [](const NonAsciiEntry& a, const NonAsciiEntry& b) {
                                 return a.character < b.character;
                             }));

} // namespace

namespace {

const NonAsciiEntry* nonAsciiEntry(char16_t c)
{
    const auto* entry = std::lower_bound(
        std::begin(nonAsciiTable), std::end(nonAsciiTable), c,
        [](const NonAsciiEntry& e, char16_t value) { return e.character < value; });
    return entry != std::end(nonAsciiTable) && entry->character == c ? entry : nullptr;
}

} // namespace

GsmCode gsmNonAsciiCode(char16_t c)
{
    const NonAsciiEntry* entry = nonAsciiEntry(c);
    return entry ? entry->code : GsmUnknownCode;
}

bool isGsmNonAscii(char16_t c)
{
    return nonAsciiEntry(c) != nullptr;
}

namespace {

// What a receiver shows for each septet of the default alphabet; 0x1B is the escape.
constexpr char16_t defaultAlphabet[] = u"@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞ\x1B"
                                       u"ÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
                                       u"¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§"
                                       u"¿abcdefghijklmnopqrstuvwxyzäöñüà";
static_assert(std::size(defaultAlphabet) == 129, "128 septets and the terminator");

// The escape table read back; a doubled escape shows a space, and a code the table lacks
// shows its default character.
char16_t extensionCharacter(std::uint8_t code)
{
    for (const NonAsciiEntry& entry : nonAsciiTable) {
        if (entry.code.escape && entry.code.code == code)
            return entry.character;
    }
    for (char16_t c = 0; c < gsmAsciiTable.size(); ++c) {
        if (gsmAsciiTable[c].escape && gsmAsciiTable[c].code == code)
            return c;
    }
    return code == GsmEscape ? u' ' : defaultAlphabet[code & 0x7F];
}

} // namespace

Septets ToGsmSeptets(const QString& original)
{
    const QString text = replaceWithNearestGsm(original).text;
    Septets septets;
    septets.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const GsmCode code = GsmCodeOf(c);
        if (code.escape)
            septets.push_back(GsmEscape);
        septets.push_back(code.code);
    }
    return septets;
}

qsizetype gsmSeptetCount(const QString& original)
{
    const QString text = replaceWithNearestGsm(original).text;
    qsizetype count = text.size();
    for (const QChar c : text)
        count += GsmCodeOf(c).escape ? 1 : 0;
    return count;
}

QString septetsToText(const Septets& septets)
{
    QString text;
    text.reserve(static_cast<qsizetype>(septets.size()));
    for (std::size_t i = 0; i < septets.size(); ++i) {
        const std::uint8_t septet = septets[i] & 0x7F;
        if (septet != GsmEscape)
            text.append(QChar(defaultAlphabet[septet]));
        else if (i + 1 < septets.size())
            text.append(QChar(extensionCharacter(septets[++i] & 0x7F)));
        else
            text.append(QLatin1Char(' '));
    }
    return text;
}
