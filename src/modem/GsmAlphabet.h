#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// The GSM 7-bit default alphabet (3GPP TS 23.038) with its escape (extension) table.

using Septets = std::vector<std::uint8_t>;

constexpr std::uint8_t GsmEscape = 0x1B;

struct GsmCode
{
    std::uint8_t code = 0;
    bool escape = false; // sent as GsmEscape followed by code
};

// The ASCII half of the alphabet, here so that GsmCodeOf inlines: the encoder looks up every
// character of every message.
using GsmAsciiTable = std::array<GsmCode, 128>;

// A character the alphabet lacks goes as "?": never as another letter.
constexpr GsmCode GsmUnknownCode{0x3F, false};

// The ASCII characters the alphabet carries: LF, CR, form feed (escaped) and the printable
// ones except the backquote.
constexpr bool isGsmAscii(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\f' || (c >= 0x20 && c < 0x7F && c != u'`');
}

constexpr GsmAsciiTable makeGsmAsciiTable()
{
    GsmAsciiTable table{};
    for (unsigned c = 0; c < table.size(); ++c)
        table[c] = isGsmAscii(static_cast<char16_t>(c))
                       ? GsmCode{static_cast<std::uint8_t>(c), false}
                       : GsmUnknownCode;
    table['@'] = {0x00, false};
    table['$'] = {0x02, false};
    table['_'] = {0x11, false};
    table['\f'] = {0x0A, true};
    table['^'] = {0x14, true};
    table['{'] = {0x28, true};
    table['}'] = {0x29, true};
    table['\\'] = {0x2F, true};
    table['['] = {0x3C, true};
    table['~'] = {0x3D, true};
    table[']'] = {0x3E, true};
    table['|'] = {0x40, true};
    return table;
}

inline constexpr GsmAsciiTable gsmAsciiTable = makeGsmAsciiTable();

GsmCode gsmNonAsciiCode(char16_t c);

bool isGsmNonAscii(char16_t c);

// Whether the alphabet or its escape table carries the character.
inline bool isGsmCharacter(char16_t c)
{
    return c < gsmAsciiTable.size() ? isGsmAscii(c) : isGsmNonAscii(c);
}

// The septet of one character; "?" for a character outside the alphabet. Texts are made GSM
// with their nearest characters (GsmLookalikes.h) before they come here.
inline GsmCode GsmCodeOf(QChar c)
{
    const char16_t u = c.unicode();
    return u < gsmAsciiTable.size() ? gsmAsciiTable[u] : gsmNonAsciiCode(u);
}

// Each character as its septet, preceded by the escape septet where the alphabet says so.
// Characters outside the alphabet go as their nearest GSM characters.
Septets ToGsmSeptets(const QString& text);

// How many septets ToGsmSeptets gives, without building them.
qsizetype gsmSeptetCount(const QString& text);

// The text a receiver shows for a septet sequence. An escape before a code the extension
// table lacks shows the code's default character; a doubled or trailing escape shows a space.
QString septetsToText(const Septets& septets);
