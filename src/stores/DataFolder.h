#pragma once

#include <QString>

// The folder of all data that outlives a run, "QUILLON_DATA" in the base directory, and the
// paths of its store files.
class DataFolder
{
public:
    explicit DataFolder(QString baseDirectory);

    const QString& baseDirectory() const { return m_base; }
    QString folder() const;
    QString templatesPath() const { return m_templates; }
    QString sentItemPath() const { return m_sentItem; }
    QString sentItemWndPath() const { return m_sentItemWnd; }
    QString sentItemAndPath() const { return m_sentItemAnd; }
    QString appExclusionPath() const;
    QString exclusionFolder() const;
    QString exListIndexPath() const;
    QString exclusionListPath(const QString& listName) const;

    // Creates the folder and any missing store file (holding only the byte-order mark).
    // Existing files are never touched; failures are silent, the stores report them.
    void EnsureDataFolder() const;
    // Deletes the temporary files of store rewrites that a crash or a kill left behind; only
    // those untouched for a minute, so a rewrite under way in another instance is spared.
    // Returns how many were deleted.
    int RemoveLeftoverRewrites() const;

private:
    QString m_base;
    QString m_templates;
    QString m_sentItem;
    QString m_sentItemWnd;
    QString m_sentItemAnd;
};

// Whether a name the user gives may become a file name: no control characters, none of
// " \ / ? * < > | :, no character from 128 to 255, and not a device name such as COM3 or NUL.
bool IsReservedFileName(const QString& name);

// The message shown when a store or export file cannot be opened or written.
QString FileErrorText(const QString& systemDescription);
struct FileError;
QString FileErrorText(const FileError& error);
