#include "app/ComposerParts.h"

#include "modem/MessageCount.h"

#include <QCoreApplication>

QString ComposerPartsText(const QString& composer, bool unicode, bool nationalLanguages)
{
    const MessageCount count =
        countMessage(composer, QString(), {unicode, false, nationalLanguages});
    QString encoding = count.encoding == MessageEncoding::Ucs2
                           ? QStringLiteral("UCS2")
                           : QCoreApplication::translate("ComposerParts", "GSM 7-bit");
    if (!count.tables.isDefault())
        encoding += QCoreApplication::translate("ComposerParts", " with national tables");
    return QCoreApplication::translate("ComposerParts", "%1 SMS, %2")
        .arg(count.parts)
        .arg(encoding);
}
