#include "sending/PauseSettings.h"

#include <QCoreApplication>

std::int64_t PauseLength::milliseconds() const
{
    switch (unit) {
    case 'S':
        return std::int64_t(length) * 1000;
    case 'M':
    case 'H':
        return std::int64_t(length) * 60000;
    default:
        return 0;
    }
}

PauseLength ParsePauseFor(const QString& text)
{
    const QString head = text.left(2).trimmed();
    if (head.isEmpty() || head == u"No")
        return {};
    bool numeric = false;
    const int number = head.toInt(&numeric);
    if (!numeric)
        return {};
    for (qsizetype i = 2; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isLetter())
            continue;
        switch (c.toUpper().unicode()) {
        case u'S':
            return {number, 'S'};
        case u'M':
            return {number, 'M'};
        case u'H':
            return {number * 60, 'H'};
        default:
            return {};
        }
    }
    return {};
}

int ParsePauseEvery(const QString& text)
{
    bool numeric = false;
    const int value = text.trimmed().toInt(&numeric);
    return numeric ? value : 0;
}

namespace {

QString counted(unsigned value, const char* one, const char* many)
{
    return QCoreApplication::translate("PauseSettings", value < 2 ? one : many).arg(value);
}

} // namespace

QString PauseDurationText(unsigned hours, unsigned minutes, unsigned seconds)
{
    const QString secondsText = counted(seconds, QT_TRANSLATE_NOOP("PauseSettings", "%1 Second."),
                                        QT_TRANSLATE_NOOP("PauseSettings", "%1 Seconds."));
    const QString minutesText = counted(minutes, QT_TRANSLATE_NOOP("PauseSettings", "%1 Minute "),
                                        QT_TRANSLATE_NOOP("PauseSettings", "%1 Minutes "));
    if (hours > 0)
        return counted(hours, QT_TRANSLATE_NOOP("PauseSettings", "%1 Hour "),
                       QT_TRANSLATE_NOOP("PauseSettings", "%1 Hours ")) +
               minutesText + secondsText;
    if (minutes == 0)
        return secondsText;
    return minutesText + secondsText;
}

QString PauseDurationText(std::int64_t milliseconds)
{
    const auto ms = std::uint64_t(std::max<std::int64_t>(0, milliseconds));
    return PauseDurationText(unsigned(ms / 3600000), unsigned((ms / 1000) % 3600 / 60),
                             unsigned((ms / 1000) % 60));
}
