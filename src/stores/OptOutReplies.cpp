#include "stores/OptOutReplies.h"

#include "stores/DataFolder.h"
#include "stores/ExclusionStore.h"
#include "stores/RecordFile.h"

#include <QRegularExpression>

QStringList OptOutSettings::defaultKeywords()
{
    return {QStringLiteral("STOP"),   QStringLiteral("STOP ALL"), QStringLiteral("UNSUBSCRIBE"),
            QStringLiteral("CANCEL"), QStringLiteral("END"),      QStringLiteral("QUIT")};
}

QString OptOutSettings::defaultListName()
{
    return QStringLiteral("Opted out");
}

bool isOptOutReply(const QString& text, const QStringList& keywords)
{
    const QString reply = text.trimmed();
    if (reply.isEmpty())
        return false;
    for (const QString& keyword : keywords) {
        if (reply.compare(keyword.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool AddToExclusionList(const DataFolder& folder, const QString& listName, const QString& number,
                        FileError* error)
{
    if (listName.trimmed().isEmpty() || !IsReservedFileName(listName)) // true: a usable name
        return false;
    folder.EnsureDataFolder();
    const ExclusionStore store(folder);
    QStringList names;
    if (!store.readIndex(names, error))
        return false;
    const qsizetype known = names.indexOf(QRegularExpression(
        QRegularExpression::escape(listName), QRegularExpression::CaseInsensitiveOption));
    if (known < 0) {
        QStringList inUse;
        if (!store.appendNewList(listName, {number}, error) || !store.readInUse(inUse, error))
            return false;
        inUse.append(listName);
        return store.rewriteInUse(inUse, error);
    }
    const QString& name = names[known]; // as the index spells it: file names have a case
    QStringList numbers;
    if (store.numberFileExists(name) && !store.readNumbers(name, numbers, error))
        return false;
    if (numbers.contains(number, Qt::CaseInsensitive))
        return true;
    return RecordFile::Append(folder.exclusionListPath(name), number, RecordFile::LineEnd::LF,
                              error);
}
