#include "app/ComposerParts.h"

#include "modem/MessageCount.h"

#include <QCoreApplication>

QString ComposerPartsText(const QString& composer, bool unicode)
{
    const MessageCount count = countMessage(composer, QString(), {unicode, false});
    const QString encoding = count.encoding == MessageEncoding::Ucs2
                                 ? QStringLiteral("UCS2")
                                 : QCoreApplication::translate("ComposerParts", "GSM 7-bit");
    return QCoreApplication::translate("ComposerParts", "%1 SMS, %2")
        .arg(count.parts)
        .arg(encoding);
}
