#pragma once

#include "modem/NationalLanguageTables.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

// The national language tables of the Indian scripts, Bengali to Urdu. Each locking shift
// table keeps the space, digits, common punctuation and small Latin letters at their places in
// the default alphabet and gives the rest to its script; each single shift table holds the
// capitals and the symbols the locking table dropped at their default places, the extension
// table's characters at theirs, and its script's digits and signs.

using ShiftedChar = std::pair<std::uint8_t, char16_t>;

// The 128 characters by septet of language's locking shift table, U+FFFF where the table
// has nothing (and at the escape); an empty view for a language other than these.
std::u16string_view indianLockingTable(NationalLanguage language);

// The single shift entries of language's own script; none for a language other than these.
std::span<const ShiftedChar> indianSingleShifts(NationalLanguage language);

// The single shift entries every one of these languages has.
std::span<const ShiftedChar> indianSharedSingleShifts();

constexpr bool isIndianLanguage(NationalLanguage language)
{
    return language >= NationalLanguage::Bengali && language <= NationalLanguage::Urdu;
}
