#include "exports/MimeHandlers.h"

#include <QStringList>

bool ListsHandlerFor(const QString& associationText, const QString& mimeType)
{
    bool removedSection = false;
    const QString key = mimeType + u'=';
    for (const QString& rawLine : associationText.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            removedSection = line == QLatin1String("[Removed Associations]");
            continue;
        }
        if (removedSection || !line.startsWith(key))
            continue;
        const QString handlers = line.mid(key.size());
        if (!handlers.split(u';', Qt::SkipEmptyParts).isEmpty())
            return true;
    }
    return false;
}
