#include "modem/NationalLanguageTables.h"

#include "modem/IndianShiftTables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>
#include <string_view>

namespace {

// An empty position of a table, and the escape's: a non-character no text holds.
constexpr char16_t NoCharacter = 0xFFFF;

// The locking shift tables by septet.
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

constexpr ShiftedChar defaultSingle[] = {
    {0x0A, u'\f'}, {0x14, u'^'}, {0x28, u'{'}, {0x29, u'}'}, {0x2F, u'\\'},
    {0x3C, u'['},  {0x3D, u'~'}, {0x3E, u']'}, {0x40, u'|'}, {0x65, u'€'},
};

constexpr ShiftedChar turkishSingle[] = {
    {0x0A, u'\f'}, {0x14, u'^'}, {0x28, u'{'}, {0x29, u'}'}, {0x2F, u'\\'}, {0x3C, u'['},
    {0x3D, u'~'},  {0x3E, u']'}, {0x40, u'|'}, {0x47, u'Ğ'}, {0x49, u'İ'},  {0x53, u'Ş'},
    {0x63, u'ç'},  {0x65, u'€'}, {0x67, u'ğ'}, {0x69, u'ı'}, {0x73, u'ş'},
};

constexpr ShiftedChar spanishSingle[] = {
    {0x09, u'ç'},  {0x0A, u'\f'}, {0x14, u'^'}, {0x28, u'{'}, {0x29, u'}'},
    {0x2F, u'\\'}, {0x3C, u'['},  {0x3D, u'~'}, {0x3E, u']'}, {0x40, u'|'},
    {0x41, u'Á'},  {0x49, u'Í'},  {0x4F, u'Ó'}, {0x55, u'Ú'}, {0x61, u'á'},
    {0x65, u'€'},  {0x69, u'í'},  {0x6F, u'ó'}, {0x75, u'ú'},
};

constexpr ShiftedChar portugueseSingle[] = {
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
        if (isIndianLanguage(language))
            return indianLockingTable(language);
        return defaultLocking;
    }
}

// A single shift table: its own entries, and those it shares with the others of its kind.
struct SingleTable
{
    std::span<const ShiftedChar> own;
    std::span<const ShiftedChar> shared;
};

SingleTable singleTable(NationalLanguage language)
{
    switch (language) {
    case NationalLanguage::Turkish:
        return {turkishSingle, {}};
    case NationalLanguage::Spanish:
        return {spanishSingle, {}};
    case NationalLanguage::Portuguese:
        return {portugueseSingle, {}};
    default:
        if (isIndianLanguage(language))
            return {indianSingleShifts(language), indianSharedSingleShifts()};
        return {defaultSingle, {}};
    }
}

// The locking-table code of c, or -1.
int lockingCode(char16_t c, NationalLanguage language)
{
    if (c == NoCharacter)
        return -1;
    const auto at = lockingTable(language).find(c);
    return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

int codeIn(std::span<const ShiftedChar> entries, char16_t c)
{
    for (const auto& [code, character] : entries)
        if (character == c)
            return code;
    return -1;
}

int singleCode(char16_t c, NationalLanguage language)
{
    const SingleTable table = singleTable(language);
    const int own = codeIn(table.own, c);
    return own >= 0 ? own : codeIn(table.shared, c);
}

char16_t singleCharacter(std::uint8_t code, NationalLanguage language)
{
    const SingleTable table = singleTable(language);
    for (const auto entries : {table.own, table.shared})
        for (const auto& [septet, character] : entries)
            if (septet == code)
                return character;
    return NoCharacter;
}

constexpr int Languages = 14; // identifiers 0, the default tables, to 13
constexpr std::uint16_t EveryTable = (1u << Languages) - 1;
constexpr std::uint16_t LockingTables = EveryTable & ~(1u << int(NationalLanguage::Spanish));

// The tables that hold a character: bit n for language n's, bit 0 for the default ones.
struct Holders
{
    std::uint16_t locking = 0;
    std::uint16_t single = 0;
};

// Which tables hold each character, built once: counting a list of a million rows looks up
// every character of every text in every table.
class HolderIndex
{
public:
    HolderIndex()
    {
        for (int n = 0; n < Languages; ++n) {
            const auto language = static_cast<NationalLanguage>(n);
            const auto bit = static_cast<std::uint16_t>(1u << n);
            for (const char16_t c : lockingTable(language))
                if (c != NoCharacter)
                    slot(c).locking |= bit;
            const SingleTable table = singleTable(language);
            for (const auto entries : {table.own, table.shared})
                for (const auto& entry : entries)
                    slot(entry.second).single |= bit;
        }
    }

    Holders of(char16_t c) const
    {
        if (c < IndexedBelow)
            return below[c];
        for (const auto& [character, holders] : above)
            if (character == c)
                return holders;
        return {};
    }

private:
    // Every character below this has a slot; the few the tables hold above it are listed.
    static constexpr char16_t IndexedBelow = 0x0E00;

    Holders& slot(char16_t c)
    {
        if (c < IndexedBelow)
            return below[c];
        for (auto& [character, holders] : above)
            if (character == c)
                return holders;
        return above.emplace_back(c, Holders{}).second;
    }

    std::array<Holders, IndexedBelow> below{};
    std::vector<std::pair<char16_t, Holders>> above;
};

const HolderIndex& holderIndex()
{
    static const HolderIndex index;
    return index;
}

bool holds(std::uint16_t tables, NationalLanguage language)
{
    return (tables >> static_cast<int>(language)) & 1u;
}

} // namespace

std::vector<ShiftTables> nationalTableCandidates(QStringView text)
{
    const HolderIndex& index = holderIndex();
    // A character no single shift table holds rules out every locking table without it.
    std::uint16_t lockings = LockingTables;
    for (const QChar c : text) {
        const Holders holders = index.of(c.unicode());
        if (holders.single == 0)
            lockings &= holders.locking;
        if (lockings == 0)
            return {};
    }
    std::vector<ShiftTables> candidates;
    for (int n = 0; n < Languages; ++n) {
        const auto locking = static_cast<NationalLanguage>(n);
        if (!holds(lockings, locking))
            continue;
        // The single shift tables holding every character the locking table lacks: which one
        // takes them does not change the septets.
        std::uint16_t singles = EveryTable;
        for (const QChar c : text) {
            const Holders holders = index.of(c.unicode());
            if (!holds(holders.locking, locking))
                singles &= holders.single;
            if (singles == 0)
                break;
        }
        if (singles == 0)
            continue;
        // The default single shift table keeps the header shortest; else the locking table's
        // own, which a phone reading the one surely reads; else the lowest identifier.
        const bool own = locking != NationalLanguage::None && holds(singles, locking) &&
                         !holds(singles, NationalLanguage::None);
        const auto single =
            own ? locking : static_cast<NationalLanguage>(std::countr_zero(singles));
        if (locking != NationalLanguage::None || single != NationalLanguage::None)
            candidates.push_back({locking, single});
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](ShiftTables a, ShiftTables b) {
        return a.headerOctets() < b.headerOctets();
    });
    return candidates;
}

int nationalWidth(char16_t c, ShiftTables tables)
{
    const Holders holders = holderIndex().of(c);
    if (holds(holders.locking, tables.locking))
        return 1;
    return holds(holders.single, tables.single) ? 2 : 0;
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
    // An empty position shows as a space.
    const auto shown = [](char16_t c) { return QChar(c == NoCharacter ? u' ' : c); };
    QString text;
    for (std::size_t i = 0; i < septets.size(); ++i) {
        const std::uint8_t septet = septets[i] & 0x7F;
        if (septet != GsmEscape) {
            text.append(shown(locking[septet]));
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
        const char16_t shifted = singleCharacter(code, tables.single);
        text.append(shown(shifted != NoCharacter ? shifted : locking[code]));
    }
    return text;
}
