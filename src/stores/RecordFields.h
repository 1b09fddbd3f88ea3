#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// The fields of the BEL/VT records of the delivery-report, inbox and journal stores.
namespace RecordFields {

inline constexpr QChar Bel = u'\x07';
inline constexpr QChar Vt = u'\x0B';

// The text without the separators a field may not hold.
QString clean(QString text);
// A time as a field holds it (ISO 8601 with milliseconds), empty for none; and back.
QString timeText(const QDateTime& time);
QDateTime timeOf(const QString& text);
// The whole number of a field when it lies from min to max.
std::optional<int> numberOf(const QString& text, int min, int max);

} // namespace RecordFields
