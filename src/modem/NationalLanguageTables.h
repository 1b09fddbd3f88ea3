#pragma once

#include "modem/GsmAlphabet.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// The national language tables of the GSM 7-bit alphabet (3GPP TS 23.038): a locking shift
// table replaces the default alphabet, a single shift table the extension table reached by the
// escape septet. A message names the tables it uses in its user-data header.

enum class NationalLanguage : std::uint8_t
{
    None = 0, // the default alphabet or extension table
    Turkish = 1,
    Spanish = 2, // a single shift table only
    Portuguese = 3,
    Bengali = 4,
    Gujarati = 5,
    Hindi = 6,
    Kannada = 7,
    Malayalam = 8,
    Oriya = 9,
    Punjabi = 10,
    Tamil = 11,
    Telugu = 12,
    Urdu = 13,
};

struct ShiftTables
{
    NationalLanguage locking = NationalLanguage::None;
    NationalLanguage single = NationalLanguage::None;

    bool isDefault() const
    {
        return locking == NationalLanguage::None && single == NationalLanguage::None;
    }
    // Octets of the header elements naming the tables: three for each table not the default.
    int headerOctets() const
    {
        return (locking != NationalLanguage::None ? 3 : 0) +
               (single != NationalLanguage::None ? 3 : 0);
    }
    bool operator==(const ShiftTables&) const = default;
};

// Header element identifiers.
constexpr std::uint8_t SingleShiftElement = 0x24;
constexpr std::uint8_t LockingShiftElement = 0x25;

// The pairs of tables worth trying for text, the simpler first (fewer header octets, then the
// lower locking shift identifier): for each locking shift table that, with some single shift
// table, carries every character, one single shift table that does - the default, else the
// locking table's own, else the lowest identifier. The others would take as many septets
// after a header as long or longer. Empty when no pair carries text.
std::vector<ShiftTables> nationalTableCandidates(QStringView text);

// Septets of one character in the tables: 1 from the locking shift table, 2 (escape and code)
// from the single shift table, 0 when neither has it.
int nationalWidth(char16_t c, ShiftTables tables);

// The septets of a text the tables carry whole (check with nationalWidth first); a character
// they lack goes as "?".
Septets toNationalSeptets(QStringView text, ShiftTables tables);

// The text a receiver shows for septets read with the tables.
QString nationalSeptetsToText(const Septets& septets, ShiftTables tables);
