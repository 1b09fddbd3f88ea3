#include "stores/ExclusionStore.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"
#include "stores/StdioFileEx.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

namespace {

constexpr std::uint32_t kAppendFlags = CStdioFileEx::modeCreate | CStdioFileEx::modeNoTruncate |
                                       CStdioFileEx::modeWrite | CStdioFileEx::typeText |
                                       CStdioFileEx::modeWriteUnicode;
constexpr std::uint32_t kIndexFlags = CStdioFileEx::modeCreate | CStdioFileEx::modeNoTruncate |
                                      CStdioFileEx::modeReadWrite | CStdioFileEx::typeText |
                                      CStdioFileEx::modeWriteUnicode;

bool closeChecked(CStdioFileEx& file, FileError* error)
{
    return CatchFileError(error, [&] { file.Close(); });
}

} // namespace

bool ExclusionStore::readIndex(QStringList& names, FileError* error) const
{
    return RecordFile::ReadLines(m_folder.exListIndexPath(), names, error);
}

bool ExclusionStore::readInUse(QStringList& names, FileError* error) const
{
    return RecordFile::ReadLines(m_folder.appExclusionPath(), names, error);
}

bool ExclusionStore::readNumbers(const QString& listName, QStringList& numbers,
                                 FileError* error) const
{
    return RecordFile::ReadLines(m_folder.exclusionListPath(listName), numbers, error);
}

bool ExclusionStore::numberFileExists(const QString& listName) const
{
    return QFileInfo(m_folder.exclusionListPath(listName)).isFile();
}

bool ExclusionStore::appendNewList(const QString& listName, const QStringList& numbers,
                                   FileError* error) const
{
    // Both files must open before anything is written.
    CStdioFileEx index;
    if (!index.Open(m_folder.exListIndexPath(), kIndexFlags, error))
        return false;
    CStdioFileEx list;
    if (!list.Open(m_folder.exclusionListPath(listName), kAppendFlags, error))
        return false;
    if (!closeChecked(list, error) || !closeChecked(index, error))
        return false;
    // A file left behind may end without a line end, or hold 8-bit text.
    return RecordFile::Append(m_folder.exclusionListPath(listName), numbers,
                              RecordFile::LineEnd::LF, error) &&
           RecordFile::Append(m_folder.exListIndexPath(), QStringList{listName},
                              RecordFile::LineEnd::LF, error);
}

bool ExclusionStore::rewriteNumbers(const QString& listName, const QStringList& numbers,
                                    FileError* error) const
{
    return RecordFile::Rewrite(m_folder.exclusionListPath(listName), numbers,
                               RecordFile::LineEnd::LF, error);
}

bool ExclusionStore::rewriteIndex(const QStringList& names, FileError* error) const
{
    return RecordFile::Rewrite(m_folder.exListIndexPath(), names, RecordFile::LineEnd::LF, error);
}

bool ExclusionStore::rewriteInUse(const QStringList& names, FileError* error) const
{
    return RecordFile::Rewrite(m_folder.appExclusionPath(), names, RecordFile::LineEnd::LF, error);
}

bool ExclusionStore::renameNumberFile(const QString& from, const QString& to,
                                      FileError* error) const
{
    const QString target = m_folder.exclusionListPath(to);
    int failure = 0;
    // rename() would silently replace a file left behind under the new name.
    if (QFileInfo::exists(target))
        failure = EEXIST;
    else if (std::rename(QFile::encodeName(m_folder.exclusionListPath(from)).constData(),
                         QFile::encodeName(target).constData()) != 0)
        failure = errno;
    if (failure != 0 && error)
        *error = FileError{failure, false};
    return failure == 0;
}

void ExclusionStore::removeNumberFile(const QString& listName) const
{
    QFile::remove(m_folder.exclusionListPath(listName));
}
