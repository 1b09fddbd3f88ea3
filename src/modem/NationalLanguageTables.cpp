#include "modem/NationalLanguageTables.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <utility>

namespace {

// The locking shift tables by septet; 0x1B, the escape, holds a non-character that no text
// holds.
constexpr std::u16string_view defaultLocking = u"@£$¥èéùìòÇ\nØø\rÅå"
                                               u"Δ_ΦΓΛΩΠΨΣΘΞ\uFFFFÆæßÉ"
                                               u" !\"#¤%&'()*+,-./"
                                               u"0123456789:;<=>?"
                                               u"¡ABCDEFGHIJKLMNO"
                                               u"PQRSTUVWXYZÄÖÑÜ§"
                                               u"¿abcdefghijklmno"
                                               u"pqrstuvwxyzäöñüà";

constexpr std::u16string_view turkishLocking = u"@£$¥€éùıòÇ\nĞğ\rÅå"
                                               u"Δ_ΦΓΛΩΠΨΣΘΞ\uFFFFŞşßÉ"
                                               u" !\"#¤%&'()*+,-./"
                                               u"0123456789:;<=>?"
                                               u"İABCDEFGHIJKLMNO"
                                               u"PQRSTUVWXYZÄÖÑÜ§"
                                               u"çabcdefghijklmno"
                                               u"pqrstuvwxyzäöñüà";

constexpr std::u16string_view portugueseLocking = u"@£$¥êéúíóç\nÔô\rÁá"
                                                  u"Δ_ªÇÀ∞^\\€Ó|\uFFFFÂâÊÉ"
                                                  u" !\"#º%&'()*+,-./"
                                                  u"0123456789:;<=>?"
                                                  u"ÍABCDEFGHIJKLMNO"
                                                  u"PQRSTUVWXYZÃÕÚÜ§"
                                                  u"~abcdefghijklmno"
                                                  u"pqrstuvwxyzãõ`üà";

static_assert(defaultLocking.size() == 128 && turkishLocking.size() == 128 &&
              portugueseLocking.size() == 128);

using Shifted = std::pair<std::uint8_t, char16_t>;

constexpr Shifted defaultSingle[] = {
    {0x0A, u'\f'}, {0x14, u'^'}, {0x28, u'{'}, {0x29, u'}'}, {0x2F, u'\\'},
    {0x3C, u'['},  {0x3D, u'~'}, {0x3E, u']'}, {0x40, u'|'}, {0x65, u'€'},
};

constexpr Shifted turkishSingle[] = {
    {0x0A, u'\f'}, {0x14, u'^'}, {0x28, u'{'}, {0x29, u'}'}, {0x2F, u'\\'}, {0x3C, u'['},
    {0x3D, u'~'},  {0x3E, u']'}, {0x40, u'|'}, {0x47, u'Ğ'}, {0x49, u'İ'},  {0x53, u'Ş'},
    {0x63, u'ç'},  {0x65, u'€'}, {0x67, u'ğ'}, {0x69, u'ı'}, {0x73, u'ş'},
};

constexpr Shifted spanishSingle[] = {
    {0x09, u'ç'},  {0x0A, u'\f'}, {0x14, u'^'}, {0x28, u'{'}, {0x29, u'}'},
    {0x2F, u'\\'}, {0x3C, u'['},  {0x3D, u'~'}, {0x3E, u']'}, {0x40, u'|'},
    {0x41, u'Á'},  {0x49, u'Í'},  {0x4F, u'Ó'}, {0x55, u'Ú'}, {0x61, u'á'},
    {0x65, u'€'},  {0x69, u'í'},  {0x6F, u'ó'}, {0x75, u'ú'},
};

constexpr Shifted portugueseSingle[] = {
    {0x05, u'ê'},  {0x09, u'ç'}, {0x0A, u'\f'}, {0x0B, u'Ô'}, {0x0C, u'ô'}, {0x0E, u'Á'},
    {0x0F, u'á'},  {0x12, u'Φ'}, {0x13, u'Γ'},  {0x14, u'^'}, {0x15, u'Ω'}, {0x16, u'Π'},
    {0x17, u'Ψ'},  {0x18, u'Σ'}, {0x19, u'Θ'},  {0x1F, u'Ê'}, {0x28, u'{'}, {0x29, u'}'},
    {0x2F, u'\\'}, {0x3C, u'['}, {0x3D, u'~'},  {0x3E, u']'}, {0x40, u'|'}, {0x41, u'À'},
    {0x49, u'Í'},  {0x4F, u'Ó'}, {0x55, u'Ú'},  {0x5B, u'Ã'}, {0x5C, u'Õ'}, {0x61, u'Â'},
    {0x65, u'€'},  {0x69, u'í'}, {0x6F, u'ó'},  {0x75, u'ú'}, {0x7B, u'ã'}, {0x7C, u'õ'},
    {0x7F, u'â'},
};

std::u16string_view lockingTable(NationalLanguage language)
{
    switch (language) {
    case NationalLanguage::Turkish:
        return turkishLocking;
    case NationalLanguage::Portuguese:
        return portugueseLocking;
    default:
        return defaultLocking;
    }
}

std::span<const Shifted> singleTable(NationalLanguage language)
{
    switch (language) {
    case NationalLanguage::Turkish:
        return turkishSingle;
    case NationalLanguage::Spanish:
        return spanishSingle;
    case NationalLanguage::Portuguese:
        return portugueseSingle;
    default:
        return defaultSingle;
    }
}

// The locking-table code of c, or -1. The escape slot carries nothing.
int lockingCode(char16_t c, NationalLanguage language)
{
    const std::u16string_view table = lockingTable(language);
    const auto at = table.find(c);
    return at == std::u16string_view::npos || at == GsmEscape ? -1 : static_cast<int>(at);
}

int singleCode(char16_t c, NationalLanguage language)
{
    for (const auto& [code, character] : singleTable(language))
        if (character == c)
            return code;
    return -1;
}

} // namespace

std::vector<ShiftTables> nationalTableChoices()
{
    using L = NationalLanguage;
    return {{L::None, L::Turkish},       {L::None, L::Spanish},         {L::None, L::Portuguese},
            {L::Turkish, L::None},       {L::Portuguese, L::None},      {L::Turkish, L::Turkish},
            {L::Turkish, L::Spanish},    {L::Turkish, L::Portuguese},   {L::Portuguese, L::Turkish},
            {L::Portuguese, L::Spanish}, {L::Portuguese, L::Portuguese}};
}

int nationalWidth(char16_t c, ShiftTables tables)
{
    if (lockingCode(c, tables.locking) >= 0)
        return 1;
    return singleCode(c, tables.single) >= 0 ? 2 : 0;
}

Septets toNationalSeptets(QStringView text, ShiftTables tables)
{
    Septets septets;
    septets.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (const int code = lockingCode(c.unicode(), tables.locking); code >= 0) {
            septets.push_back(static_cast<std::uint8_t>(code));
        } else if (const int shifted = singleCode(c.unicode(), tables.single); shifted >= 0) {
            septets.push_back(GsmEscape);
            septets.push_back(static_cast<std::uint8_t>(shifted));
        } else {
            septets.push_back(GsmUnknownCode.code);
        }
    }
    return septets;
}

QString nationalSeptetsToText(const Septets& septets, ShiftTables tables)
{
    const std::u16string_view locking = lockingTable(tables.locking);
    QString text;
    for (std::size_t i = 0; i < septets.size(); ++i) {
        const std::uint8_t septet = septets[i] & 0x7F;
        if (septet != GsmEscape) {
            text.append(QChar(locking[septet]));
            continue;
        }
        if (++i == septets.size()) {
            text.append(u' ');
            break;
        }
        const std::uint8_t code = septets[i] & 0x7F;
        if (code == GsmEscape) {
            text.append(u' ');
            continue;
        }
        const auto shifted = singleTable(tables.single);
        const auto found = std::find_if(shifted.begin(), shifted.end(),
                                        [code](const Shifted& s) { return s.first == code; });
        text.append(QChar(found != shifted.end() ? found->second : locking[code]));
    }
    return text;
}
