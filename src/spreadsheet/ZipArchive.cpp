#include "spreadsheet/ZipArchive.h"

#include <QFile>

ZipArchive OpenZipForReading(const QString& path)
{
    int error = 0;
    return ZipArchive(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
}
