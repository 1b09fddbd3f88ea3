#pragma once

#include <QByteArray>
#include <QString>

// Whole-file helpers for tests that check exact bytes on disk.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// UTF-16LE bytes of a text, with the byte-order mark first when asked.
QByteArray Utf16Bytes(const QString& text, bool withMark = true);
