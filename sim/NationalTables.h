#pragma once

#include <QtGlobal>
#include <optional>

namespace sim {

// What a phone shows for a septet under the national language tables a message names (3GPP TS
// 23.038 annex A): languages 1 Turkish, 2 Spanish (single shift only), 3 Portuguese, and the
// Indian ones, 4 Bengali, 5 Gujarati, 6 Hindi, 7 Kannada, 8 Malayalam, 9 Oriya, 10 Punjabi,
// 11 Tamil, 12 Telugu, 13 Urdu. An empty position of a locking shift table shows as a space.

// The character of code in the locking shift table of language; nothing for a language without
// one here (the default alphabet then applies).
std::optional<char16_t> lockingShiftChar(int language, quint8 code);

// The character of code after an escape in the single shift table of language; nothing for a
// code or language the tables here lack.
std::optional<char16_t> singleShiftChar(int language, quint8 code);

} // namespace sim
