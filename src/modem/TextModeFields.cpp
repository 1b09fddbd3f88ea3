#include "modem/TextModeFields.h"

#include <QTimeZone>

QList<QString> splitTextModeFields(QStringView text)
{
    QList<QString> fields(1);
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            fields.append(QString());
        else
            fields.last() += c;
    }
    return fields;
}

QDateTime parseTextModeTimestamp(QStringView text)
{
    const QStringView stamp = text.trimmed();
    if (stamp.size() < 20)
        return {};
    const QDateTime local =
        QDateTime::fromString(stamp.left(17).toString(), QStringLiteral("yy/MM/dd,HH:mm:ss"));
    bool ok = false;
    const int quarters = stamp.mid(17).toInt(&ok);
    if (!local.isValid() || !ok || quarters < -96 || quarters > 96)
        return {};
    // Qt reads two-digit years as the 1900s.
    return QDateTime(local.date().addYears(100), local.time(), QTimeZone(quarters * 15 * 60));
}
