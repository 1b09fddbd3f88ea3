#include "stores/RecordFields.h"

namespace RecordFields {

QString clean(QString text)
{
    text.remove(Bel);
    text.remove(Vt);
    return text;
}

QString timeText(const QDateTime& time)
{
    return time.isValid() ? time.toString(Qt::ISODateWithMs) : QString();
}

QDateTime timeOf(const QString& text)
{
    return text.isEmpty() ? QDateTime() : QDateTime::fromString(text, Qt::ISODateWithMs);
}

std::optional<int> numberOf(const QString& text, int min, int max)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= min && value <= max ? std::optional<int>(value) : std::nullopt;
}

} // namespace RecordFields
