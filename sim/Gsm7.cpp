#include "sim/Gsm7.h"

#include "sim/NationalTables.h"

#include <QList>
#include <array>
#include <utility>

namespace sim {

namespace {

// 0x1B is the escape; its slot shows (as a space) only after another escape.
constexpr std::array<char16_t, 128> kDefaultAlphabet = {
    u'@',      u'\u00A3', u'$',      u'\u00A5', u'\u00E8', u'\u00E9', u'\u00F9', u'\u00EC',
    u'\u00F2', u'\u00C7', u'\n',     u'\u00D8', u'\u00F8', u'\r',     u'\u00C5', u'\u00E5',
    u'\u0394', u'_',      u'\u03A6', u'\u0393', u'\u039B', u'\u03A9', u'\u03A0', u'\u03A8',
    u'\u03A3', u'\u0398', u'\u039E', u' ',      u'\u00C6', u'\u00E6', u'\u00DF', u'\u00C9',
    u' ',      u'!',      u'"',      u'#',      u'\u00A4', u'%',      u'&',      u'\'',
    u'(',      u')',      u'*',      u'+',      u',',      u'-',      u'.',      u'/',
    u'0',      u'1',      u'2',      u'3',      u'4',      u'5',      u'6',      u'7',
    u'8',      u'9',      u':',      u';',      u'<',      u'=',      u'>',      u'?',
    u'\u00A1', u'A',      u'B',      u'C',      u'D',      u'E',      u'F',      u'G',
    u'H',      u'I',      u'J',      u'K',      u'L',      u'M',      u'N',      u'O',
    u'P',      u'Q',      u'R',      u'S',      u'T',      u'U',      u'V',      u'W',
    u'X',      u'Y',      u'Z',      u'\u00C4', u'\u00D6', u'\u00D1', u'\u00DC', u'\u00A7',
    u'\u00BF', u'a',      u'b',      u'c',      u'd',      u'e',      u'f',      u'g',
    u'h',      u'i',      u'j',      u'k',      u'l',      u'm',      u'n',      u'o',
    u'p',      u'q',      u'r',      u's',      u't',      u'u',      u'v',      u'w',
    u'x',      u'y',      u'z',      u'\u00E4', u'\u00F6', u'\u00F1', u'\u00FC', u'\u00E0',
};

constexpr std::array<std::pair<quint8, char16_t>, 10> kExtension = {{
    {0x0A, u'\f'},
    {0x14, u'^'},
    {0x28, u'{'},
    {0x29, u'}'},
    {0x2F, u'\\'},
    {0x3C, u'['},
    {0x3D, u'~'},
    {0x3E, u']'},
    {0x40, u'|'},
    {0x65, u'\u20AC'},
}};

constexpr quint8 kQuestionMark = 0x3F;

char16_t extensionChar(quint8 code)
{
    for (const auto& [septet, ch] : kExtension) {
        if (septet == code)
            return ch;
    }
    return kDefaultAlphabet[code & 0x7F];
}

void appendSeptetsOf(char32_t ch, Septets& out)
{
    for (const auto& [septet, ext] : kExtension) {
        if (ext == ch) {
            out.push_back(kGsmEscape);
            out.push_back(septet);
            return;
        }
    }
    for (quint8 code = 0; code < kDefaultAlphabet.size(); ++code) {
        if (code != kGsmEscape && kDefaultAlphabet[code] == ch) {
            out.push_back(code);
            return;
        }
    }
    out.push_back(kQuestionMark);
}

} // namespace

QString decodeSeptets(const Septets& septets)
{
    return decodeSeptets(septets, 0, 0);
}

QString decodeSeptets(const Septets& septets, int lockingShift, int singleShift)
{
    QString text;
    text.reserve(static_cast<qsizetype>(septets.size()));
    for (std::size_t i = 0; i < septets.size(); ++i) {
        const quint8 code = septets[i] & 0x7F;
        if (code != kGsmEscape) {
            text.append(
                QChar(lockingShiftChar(lockingShift, code).value_or(kDefaultAlphabet[code])));
            continue;
        }
        if (i + 1 >= septets.size())
            continue;
        const quint8 shifted = septets[++i] & 0x7F;
        if (const auto own = singleShiftChar(singleShift, shifted))
            text.append(QChar(*own));
        else if (singleShift != 0 && shifted != kGsmEscape)
            text.append(
                QChar(lockingShiftChar(lockingShift, shifted).value_or(kDefaultAlphabet[shifted])));
        else
            text.append(QChar(extensionChar(shifted)));
    }
    return text;
}

Septets encodeSeptets(const QString& text)
{
    Septets septets;
    for (const char32_t ch : text.toUcs4())
        appendSeptetsOf(ch, septets);
    return septets;
}

Septets unpackSeptets(const QByteArray& octets, int bitOffset, int count)
{
    Septets septets;
    septets.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    auto octetAt = [&](int index) -> unsigned {
        return index < octets.size() ? static_cast<quint8>(octets[index]) : 0u;
    };
    for (int i = 0; i < count; ++i) {
        const int bit = bitOffset + i * 7;
        const int index = bit / 8;
        const int shift = bit % 8;
        const unsigned pair = octetAt(index) | (octetAt(index + 1) << 8);
        septets.push_back(static_cast<quint8>((pair >> shift) & 0x7F));
    }
    return septets;
}

} // namespace sim
