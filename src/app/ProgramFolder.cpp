#include "app/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

QString ProgramFolderOf(const QString& executablePath)
{
    const qsizetype last = executablePath.lastIndexOf(u'/');
    return last < 0 ? QStringLiteral("/") : executablePath.left(last);
}

QString InstallPrefixOf(const QString& programFolder)
{
    const QDir folder(programFolder);
    if (folder.dirName() != QLatin1String("bin"))
        return {};
    const QString prefix = QFileInfo(folder.absolutePath()).path();
    const QString entry =
        prefix + QStringLiteral("/share/applications/org.quillon.Quillon.desktop");
    return QFileInfo(entry).isFile() ? prefix : QString();
}

QString UserGuidePathOf(const QString& programFolder)
{
    const QString prefix = InstallPrefixOf(programFolder);
    return prefix.isEmpty() ? programFolder + QStringLiteral("/doc/guide/index.html")
                            : prefix + QStringLiteral("/share/doc/quillon/guide/index.html");
}

namespace {

bool writableFolder(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

bool dataFolderUsable(const QString& base)
{
    const QString data = base + "/QUILLON_DATA";
    if (QFileInfo(data).isDir())
        return writableFolder(data);
    return QFileInfo(base).isDir() && writableFolder(base);
}

} // namespace

QString ChooseBaseDirectory(const QString& programFolder, const QString& quillonHome,
                            const QString& userDataLocation)
{
    if (!quillonHome.isEmpty())
        return quillonHome;
    // An installed copy shares its prefix with other programs and maybe other users: even where
    // that prefix is writable (under /tmp, a home folder) the data belongs to the user.
    if (InstallPrefixOf(programFolder).isEmpty() && dataFolderUsable(programFolder))
        return programFolder;
    QDir().mkpath(userDataLocation);
    return userDataLocation;
}
