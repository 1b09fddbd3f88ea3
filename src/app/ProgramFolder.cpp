#include "app/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

QString ProgramFolderOf(const QString& executablePath)
{
    const qsizetype last = executablePath.lastIndexOf(u'/');
    return last < 0 ? QStringLiteral("/") : executablePath.left(last);
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
    if (dataFolderUsable(programFolder))
        return programFolder;
    QDir().mkpath(userDataLocation);
    return userDataLocation;
}
