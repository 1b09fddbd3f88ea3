#include "modem/TextModeFields.h"

#include <QRegularExpression>
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

std::optional<std::pair<QString, int>> parseStorageIndication(QStringView line,
                                                              QLatin1StringView tag)
{
    static const QRegularExpression form(
        QStringLiteral(R"re(^(\+[A-Z]+):\s*"([^"]*)"\s*,\s*(\d+)\s*$)re"));
    const QRegularExpressionMatch match = form.match(line.trimmed());
    if (!match.hasMatch() || match.capturedView(1) != tag)
        return std::nullopt;
    bool ok = false;
    const int index = match.captured(3).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return std::pair(match.captured(2), index);
}
