#include "modem/DeviceInfoLookup.h"

QString GetDetailValue(const QString& details, const QString& label)
{
    QString text = details;
    text.replace(QLatin1String("||"), QLatin1String("\n"));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    const qsizetype start = text.indexOf(label);
    if (label.isEmpty() || start < 0)
        return {};
    const qsizetype valueStart = start + label.size();
    const qsizetype lineEnd = text.indexOf(QLatin1String("\r\n"), valueStart);
    if (lineEnd < 0)
        return {};
    return text.mid(valueStart, lineEnd - valueStart).trimmed();
}

QString portTextOf(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}
