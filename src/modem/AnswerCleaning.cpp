#include "modem/AnswerCleaning.h"

#include "modem/SeptetPacking.h"
#include "modem/Ucs2Hex.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int MaxPhoneNumberLength = 20;
constexpr int UnknownSignal = 99;

QStringList linesOf(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    return text.split(lineBreak);
}

QString withoutOkLines(const QString& text)
{
    QStringList lines = linesOf(text);
    for (QString& line : lines) {
        if (line.trimmed() == u"OK")
            line.clear();
    }
    return lines.join(u'\n');
}

QString joinedLines(const QString& text)
{
    QStringList kept;
    for (const QString& line : linesOf(text)) {
        if (!line.trimmed().isEmpty())
            kept.append(line.trimmed());
    }
    return kept.join(u' ');
}

// Part of the stored device information, so not translated.
QString signalBand(int rssi)
{
    if (rssi <= 8)
        return QStringLiteral("Low (%1)").arg(rssi);
    if (rssi <= 14)
        return QStringLiteral("Medium (%1)").arg(rssi);
    if (rssi <= 18)
        return QStringLiteral("Good (%1)").arg(rssi);
    return QStringLiteral("High (%1)").arg(rssi);
}

QString gsmDecoded(const QString& hex)
{
    const qsizetype septets = hex.size() / 2 * 8 / 7;
    QString text = gsmPackedHexToText(hex, septets).value_or(QString());
    // Seven spare bits in the last octet read as a trailing "@".
    while (text.endsWith(u'@'))
        text.chop(1);
    return text;
}

} // namespace

QString CleanAnswer(const QString& response, const QStringList& echoForms, Quotes quotes)
{
    QString text = response;
    for (const char* noise : {"?", "<", ">"})
        text.remove(QLatin1String(noise));
    if (quotes == Quotes::Remove)
        text.remove(u'"');
    text = withoutOkLines(text.trimmed());
    for (const QString& form : echoForms)
        text.remove(form);
    text = joinedLines(text);
    if (text.startsWith(u':'))
        text.remove(0, 1);
    return text.trimmed();
}

QString quotedValue(const QString& text)
{
    const qsizetype open = text.indexOf(u'"');
    const qsizetype close = open < 0 ? -1 : text.indexOf(u'"', open + 1);
    return close < 0 ? QString() : text.mid(open + 1, close - open - 1);
}

QString answerLinesOf(const QString& response, QLatin1String prefix)
{
    QStringList answer;
    QStringList other;
    for (const QString& line : linesOf(response)) {
        const QString text = line.trimmed();
        if (text.startsWith(prefix))
            answer.append(text);
        else if (!text.isEmpty() && text != u"OK" && !text.startsWith(u"AT", Qt::CaseInsensitive))
            other.append(text);
    }
    return (answer.isEmpty() ? other : answer).join(u'\n');
}

QString batteryText(const QString& value)
{
    const QString status = value.left(1);
    // Some modems add the voltage in millivolts after the level.
    const QString level = value.mid(2).section(u',', 0, 0).trimmed();
    if (status == u"0")
        return level + u'%';
    if (status == u"1")
        return level + QStringLiteral("% ( Charging )");
    return level;
}

QString signalQualityText(const QString& value)
{
    const QString rssiText = value.section(u',', 0, 0).trimmed();
    bool isNumber = false;
    const int rssi = rssiText.toInt(&isNumber);
    if (!isNumber || rssi == UnknownSignal)
        return {};
    return signalBand(rssi);
}

QString decodeSmscNumber(const QString& raw,
                         const std::function<bool(const QString&)>& isInvalidNumber)
{
    if (raw.startsWith(u'+'))
        return raw;
    const QString ucs2 = fromUcs2Hex(raw).value_or(QString());
    if (ucs2.startsWith(u'+'))
        return ucs2;
    const QString gsm = gsmDecoded(raw);
    if (gsm.startsWith(u'+'))
        return gsm;
    const auto& invalid = isInvalidNumber ? isInvalidNumber : basicIsInvalidNumber;
    return invalid(ucs2) ? raw : ucs2;
}

bool basicIsInvalidNumber(const QString& number)
{
    const QString text = number.trimmed();
    if (text.isEmpty() || text.indexOf(u'+', 1) >= 0 || text.size() > MaxPhoneNumberLength)
        return true;
    return !std::all_of(text.cbegin(), text.cend(),
                        [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-'; });
}
