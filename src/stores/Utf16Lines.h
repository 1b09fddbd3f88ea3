#pragma once

#include "base/FileError.h"

#include <QString>
#include <QStringView>
#include <functional>

// Reads a file two bytes at a time as UTF-16 little-endian code units, whatever its first bytes
// are, and hands over each line without its LF (a CR before it stays). Every U+FEFF is left
// out wherever it stands (a byte-order mark, or one pasted into the middle by a hand edit), and
// a stray last byte of an odd-sized file is no character. Text after the last LF is handed over
// only when `takeUnterminated` is set. False when the file cannot be opened.
bool ReadUtf16Lines(const QString& path, const std::function<void(QStringView)>& line,
                    bool takeUnterminated, FileError* error = nullptr);
