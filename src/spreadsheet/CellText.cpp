#include "spreadsheet/CellText.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace CellText {

namespace {

// 31/12/9999, the last day a spreadsheet date can hold.
constexpr double LastSerial = 2958466.0;

QString timeText(int secondsOfDay)
{
    return QTime(0, 0).addSecs(secondsOfDay).toString(QStringLiteral("HH:mm:ss"));
}

QString dateTimeText(const QString& day, int secondsOfDay)
{
    return secondsOfDay == 0 ? day : day + u' ' + timeText(secondsOfDay);
}

QString dateTimeText(const QDate& date, int secondsOfDay)
{
    return dateTimeText(date.toString(QStringLiteral("dd/MM/yyyy")), secondsOfDay);
}

} // namespace

namespace {

constexpr int MostSignificantDigits = 15;

// A fraction of magnitude 10^6 or more in plain decimal: the shortest digits that read back
// to the value, or, when that takes more than 15 significant digits, the value rounded to 15
// (to the units when the whole part alone is longer).
QString plainDecimal(double value)
{
    char buffer[400];
    char* end = buffer + sizeof buffer;
    auto result = std::to_chars(buffer, end, value, std::chars_format::fixed);
    const std::string_view shortest(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t point = shortest.find('.');
    const std::size_t sign = value < 0 ? 1 : 0;
    const int wholeDigits = static_cast<int>(point - sign);
    const int digits = static_cast<int>(shortest.size() - sign - 1);
    if (digits <= MostSignificantDigits)
        return QString::fromLatin1(shortest.data(), static_cast<qsizetype>(shortest.size()));
    const int decimals = std::max(0, MostSignificantDigits - wholeDigits);
    result = std::to_chars(buffer, end, value, std::chars_format::fixed, decimals);
    std::string_view rounded(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (rounded.find('.') != std::string_view::npos) {
        while (rounded.back() == '0')
            rounded.remove_suffix(1);
        if (rounded.back() == '.')
            rounded.remove_suffix(1);
    }
    return QString::fromLatin1(rounded.data(), static_cast<qsizetype>(rounded.size()));
}

} // namespace

QString number(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    if (std::isfinite(value) && value != std::trunc(value) && std::fabs(value) >= 1e6)
        return plainDecimal(value);
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(u'e', u'E');
    return text;
}

QString serialDate(double serial, bool date1904)
{
    if (!(serial >= 0 && serial < LastSerial))
        return number(serial);
    qint64 days = static_cast<qint64>(std::floor(serial));
    qint64 seconds = std::llround((serial - double(days)) * 86400.0);
    if (seconds >= 86400) {
        ++days;
        seconds = 0;
    }
    if (date1904)
        return dateTimeText(QDate(1904, 1, 1).addDays(days), int(seconds));
    if (days == 0)
        return timeText(int(seconds));
    // Serial 60 is 29 February 1900, a day that never was but that the 1900 system counts.
    if (days == 60)
        return dateTimeText(QStringLiteral("29/02/1900"), int(seconds));
    const QDate base = days < 60 ? QDate(1899, 12, 31) : QDate(1899, 12, 30);
    return dateTimeText(base.addDays(days), int(seconds));
}

QString isoDate(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const auto secondsOf = [](QStringView hms) {
        const QTime time = QTime::fromString(hms.left(8).toString(), QStringLiteral("HH:mm:ss"));
        return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : -1;
    };
    if (trimmed.size() == 8) {
        const int seconds = secondsOf(trimmed);
        return seconds >= 0 ? timeText(seconds) : text.toString();
    }
    const QDate date = QDate::fromString(trimmed.left(10).toString(), Qt::ISODate);
    if (!date.isValid())
        return text.toString();
    if (trimmed.size() == 10)
        return dateTimeText(date, 0);
    const QChar separator = trimmed.size() > 10 ? trimmed[10] : QChar();
    const int seconds = separator == u'T' || separator == u' ' ? secondsOf(trimmed.mid(11)) : -1;
    return seconds >= 0 ? dateTimeText(date, seconds) : text.toString();
}

QString errorText(int code)
{
    switch (code) {
    case 0x00:
        return QStringLiteral("#NULL!");
    case 0x07:
        return QStringLiteral("#DIV/0!");
    case 0x0F:
        return QStringLiteral("#VALUE!");
    case 0x17:
        return QStringLiteral("#REF!");
    case 0x1D:
        return QStringLiteral("#NAME?");
    case 0x24:
        return QStringLiteral("#NUM!");
    case 0x2A:
        return QStringLiteral("#N/A");
    case 0x2B:
        return QStringLiteral("#GETTING_DATA");
    default:
        return QStringLiteral("#N/A");
    }
}

} // namespace CellText
