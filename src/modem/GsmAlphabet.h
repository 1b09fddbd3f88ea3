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

constexpr GsmAsciiTable makeGsmAsciiTable()
{
    GsmAsciiTable table{};
    for (unsigned c = 0; c < table.size(); ++c)
        table[c] = {static_cast<std::uint8_t>(c), false};
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

// The septet of one character. Characters outside the alphabet keep the low seven bits of
// their own code, which is what a modem would put on the air for them.
inline GsmCode GsmCodeOf(QChar c)
{
    const char16_t u = c.unicode();
    return u < gsmAsciiTable.size() ? gsmAsciiTable[u] : gsmNonAsciiCode(u);
}

// Each character as its septet, preceded by the escape septet where the alphabet says so.
Septets ToGsmSeptets(const QString& text);

// How many septets ToGsmSeptets gives, without building them.
qsizetype gsmSeptetCount(const QString& text);

// The text a receiver shows for a septet sequence. An escape before a code the extension
// table lacks shows the code's default character; a doubled or trailing escape shows a space.
QString septetsToText(const Septets& septets);
