#include "sim/NationalTables.h"

#include <array>
#include <utility>

namespace sim {

namespace {

// By septet, rows of sixteen; the escape's slot (0x1B) is never read.
constexpr char16_t kTurkishLocking[] =
    u"@\u00A3$\u00A5\u20AC\u00E9\u00F9\u0131\u00F2\u00C7\n\u011E\u011F\r\u00C5\u00E5"
    u"\u0394_\u03A6\u0393\u039B\u03A9\u03A0\u03A8\u03A3\u0398\u039E \u015E\u015F\u00DF\u00C9"
    u" !\"#\u00A4%&'()*+,-./0123456789:;<=>?"
    u"\u0130ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00D1\u00DC\u00A7"
    u"\u00E7abcdefghijklmnopqrstuvwxyz\u00E4\u00F6\u00F1\u00FC\u00E0";
constexpr char16_t kPortugueseLocking[] =
    u"@\u00A3$\u00A5\u00EA\u00E9\u00FA\u00ED\u00F3\u00E7\n\u00D4\u00F4\r\u00C1\u00E1"
    u"\u0394_\u00AA\u00C7\u00C0\u221E^\\\u20AC\u00D3| \u00C2\u00E2\u00CA\u00C9"
    u" !\"#\u00BA%&'()*+,-./0123456789:;<=>?"
    u"\u00CDABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C3\u00D5\u00DA\u00DC\u00A7"
    u"~abcdefghijklmnopqrstuvwxyz\u00E3\u00F5`\u00FC\u00E0";
static_assert(std::size(kTurkishLocking) == 129 && std::size(kPortugueseLocking) == 129);

using Shift = std::pair<quint8, char16_t>;

// The escape table entries every single shift table shares.
constexpr std::array<Shift, 9> kCommon = {{{0x0A, u'\f'},
                                           {0x14, u'^'},
                                           {0x28, u'{'},
                                           {0x29, u'}'},
                                           {0x2F, u'\\'},
                                           {0x3C, u'['},
                                           {0x3D, u'~'},
                                           {0x3E, u']'},
                                           {0x40, u'|'}}};

constexpr Shift kTurkishSingle[] = {{0x47, u'\u011E'}, {0x49, u'\u0130'}, {0x53, u'\u015E'},
                                    {0x63, u'\u00E7'}, {0x65, u'\u20AC'}, {0x67, u'\u011F'},
                                    {0x69, u'\u0131'}, {0x73, u'\u015F'}};
constexpr Shift kSpanishSingle[] = {
    {0x09, u'\u00E7'}, {0x41, u'\u00C1'}, {0x49, u'\u00CD'}, {0x4F, u'\u00D3'}, {0x55, u'\u00DA'},
    {0x61, u'\u00E1'}, {0x65, u'\u20AC'}, {0x69, u'\u00ED'}, {0x6F, u'\u00F3'}, {0x75, u'\u00FA'}};
constexpr Shift kPortugueseSingle[] = {
    {0x05, u'\u00EA'}, {0x09, u'\u00E7'}, {0x0B, u'\u00D4'}, {0x0C, u'\u00F4'}, {0x0E, u'\u00C1'},
    {0x0F, u'\u00E1'}, {0x12, u'\u03A6'}, {0x13, u'\u0393'}, {0x15, u'\u03A9'}, {0x16, u'\u03A0'},
    {0x17, u'\u03A8'}, {0x18, u'\u03A3'}, {0x19, u'\u0398'}, {0x1F, u'\u00CA'}, {0x41, u'\u00C0'},
    {0x49, u'\u00CD'}, {0x4F, u'\u00D3'}, {0x55, u'\u00DA'}, {0x5B, u'\u00C3'}, {0x5C, u'\u00D5'},
    {0x61, u'\u00C2'}, {0x65, u'\u20AC'}, {0x69, u'\u00ED'}, {0x6F, u'\u00F3'}, {0x75, u'\u00FA'},
    {0x7B, u'\u00E3'}, {0x7C, u'\u00F5'}, {0x7F, u'\u00E2'}};

template <class Table> std::optional<char16_t> find(const Table& table, quint8 code)
{
    for (const auto& [septet, ch] : table)
        if (septet == code)
            return ch;
    return std::nullopt;
}

} // namespace

std::optional<char16_t> lockingShiftChar(int language, quint8 code)
{
    code &= 0x7F;
    switch (language) {
    case 1:
        return kTurkishLocking[code];
    case 3:
        return kPortugueseLocking[code];
    default:
        return std::nullopt;
    }
}

std::optional<char16_t> singleShiftChar(int language, quint8 code)
{
    code &= 0x7F;
    std::optional<char16_t> own;
    switch (language) {
    case 1:
        own = find(kTurkishSingle, code);
        break;
    case 2:
        own = find(kSpanishSingle, code);
        break;
    case 3:
        own = find(kPortugueseSingle, code);
        break;
    default:
        return std::nullopt;
    }
    return own ? own : find(kCommon, code);
}

} // namespace sim
