#include "stores/DataFolder.h"

#include "base/FileError.h"
#include "base/TemporaryFileName.h"
#include "stores/StdioFileEx.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

void createMarkedFileIfMissing(const QString& path)
{
    if (QFileInfo::exists(path))
        return;
    CStdioFileEx file;
    if (!file.Open(path, 0x25001))
        return;
    // A marker that cannot be written shows later, when the store itself is read or written.
    static_cast<void>(CatchFileError(nullptr, [&] {
        file.WriteString(QString());
        file.Close();
    }));
}

} // namespace

DataFolder::DataFolder(QString baseDirectory)
    : m_base(std::move(baseDirectory)), m_templates(m_base + "/QUILLON_DATA/Templates.korv"),
      m_sentItem(m_base + "/QUILLON_DATA/SentItem.korv"),
      m_sentItemWnd(m_base + "/QUILLON_DATA/SentItemWnd.korv"),
      m_sentItemAnd(m_base + "/QUILLON_DATA/SentItemAnd.korv")
{}

QString DataFolder::folder() const
{
    return m_base + "/QUILLON_DATA";
}

QString DataFolder::appExclusionPath() const
{
    return m_base + "/QUILLON_DATA/AppExclusion.korv";
}

QString DataFolder::exclusionFolder() const
{
    return m_base + "/QUILLON_DATA/Exclusion";
}

QString DataFolder::exListIndexPath() const
{
    return m_base + "/QUILLON_DATA/Exclusion/ExListIndex.korv";
}

QString DataFolder::exclusionListPath(const QString& listName) const
{
    return m_base + "/QUILLON_DATA/Exclusion/" + listName + ".korv";
}

void DataFolder::EnsureDataFolder() const
{
    QDir().mkpath(folder());
    for (const QString& path :
         {m_sentItemAnd, m_sentItemWnd, m_sentItem, m_templates, appExclusionPath()})
        createMarkedFileIfMissing(path);
    QDir().mkpath(exclusionFolder());
    createMarkedFileIfMissing(exListIndexPath());
}

int DataFolder::RemoveLeftoverRewrites() const
{
    // Only names of the program's own temporary files: a name of the older shape (the store's
    // name, ".", six letters or digits) may as well be a user's copy, such as "x.korv.before".
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-60);
    int removed = 0;
    for (const QString& folderPath : {folder(), exclusionFolder()}) {
        const QFileInfoList entries = QDir(folderPath).entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo& entry : entries) {
            if (TemporaryFileName::IsTemporary(entry.fileName()) &&
                entry.lastModified().toUTC() < settled && QFile::remove(entry.filePath()))
                ++removed;
        }
    }
    return removed;
}

bool IsReservedFileName(const QString& name)
{
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if ((u >= 1 && u <= 31) || (u >= 128 && u <= 255))
            return false;
        if (QStringView(u"\"\\/?*<>|:").contains(c))
            return false;
    }
    static const QRegularExpression device(QStringLiteral("^(com[1-9]|lpt[1-9]|con|nul|prn|aux)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return !device.match(name).hasMatch();
}

QString FileErrorText(const QString& systemDescription)
{
    QString description = systemDescription.left(4096);
    if (description.contains(QLatin1String("The operation completed successfully.")))
        description.clear();
    description = description.trimmed();
    if (description.startsWith(QLatin1String("Failure creating file.")))
        return QStringLiteral(
            "Error in File creation.\n\nOR\n\nThere is not enough space on the disk.");
    if (!description.isEmpty())
        return QStringLiteral("Error in file accessing.\n\nOR\n\n") + description;
    return QStringLiteral("Error in file accessing.");
}

QString FileErrorText(const FileError& error)
{
    return FileErrorText(error.description());
}
