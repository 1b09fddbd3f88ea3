#pragma once

#include "stores/FileError.h"

#include <QString>

// The whole file taken two bytes at a time as UTF-16 little-endian code units, whatever its
// first bytes are. Every U+FEFF is left out wherever it stands (a byte-order mark, or one
// pasted into the middle by a hand edit), and a stray last byte of an odd-sized file is no
// character. The templates and sent-items readers split these units into lines themselves.
bool ReadUtf16Units(const QString& path, QString& units, FileError* error = nullptr);
