#include "base/TemporaryFileName.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kPrefix = QStringLiteral(".quillon-tmp-");
const QString kSuffix = QStringLiteral(".quillon-tmp");

} // namespace

namespace TemporaryFileName {

QByteArray PatternFor(const QString& path)
{
    const QFileInfo info(path);
    return QFile::encodeName(info.path() + u'/' + kPrefix + info.fileName() +
                             QStringLiteral(".XXXXXX") + kSuffix);
}

int SuffixLength()
{
    return int(QFile::encodeName(kSuffix).size());
}

bool IsTemporary(const QString& fileName)
{
    static const QRegularExpression shape(
        QStringLiteral("^%1.+\\.[A-Za-z0-9]{6}%2$")
            .arg(QRegularExpression::escape(kPrefix), QRegularExpression::escape(kSuffix)));
    return shape.match(fileName).hasMatch();
}

} // namespace TemporaryFileName
