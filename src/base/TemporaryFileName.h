#pragma once

#include <QByteArray>
#include <QString>

// The name of a temporary file that is to replace `path` once complete: hidden, beside it, with
// a prefix and suffix of the program's own, so no file a user names is ever taken for one.
namespace TemporaryFileName {

// The pattern for mkostemps(): its six X stand before SuffixLength characters.
QByteArray PatternFor(const QString& path);
int SuffixLength();

// Whether a file name has the shape PatternFor() gives.
bool IsTemporary(const QString& fileName);

} // namespace TemporaryFileName
