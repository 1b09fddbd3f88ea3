#pragma once

#include "base/FileError.h"

#include <QStringList>

class DataFolder;

// The exclusion list files as the wizard reads and writes them: the index of all list names,
// the names in use, and one number file per list. Every record ends with LF. Whole-file
// rewrites go through a temporary file, so a failure leaves the old content in place.
class ExclusionStore
{
public:
    explicit ExclusionStore(const DataFolder& folder) : m_folder(folder) {}

    bool readIndex(QStringList& names, FileError* error) const;
    bool readInUse(QStringList& names, FileError* error) const;
    bool readNumbers(const QString& listName, QStringList& numbers, FileError* error) const;
    bool numberFileExists(const QString& listName) const;

    // A new list: its numbers go after whatever its file already holds (a file left behind by
    // a hand edit keeps its lines), then its name goes to the end of the index. Nothing is
    // written unless both files open.
    bool appendNewList(const QString& listName, const QStringList& numbers, FileError* error) const;
    bool rewriteNumbers(const QString& listName, const QStringList& numbers,
                        FileError* error) const;
    bool rewriteIndex(const QStringList& names, FileError* error) const;
    bool rewriteInUse(const QStringList& names, FileError* error) const;

    // Moves a number file to a new name; an existing file of that name is never replaced.
    bool renameNumberFile(const QString& from, const QString& to, FileError* error) const;
    // A missing file counts as removed.
    void removeNumberFile(const QString& listName) const;

private:
    const DataFolder& m_folder;
};
