#include "ModemCliSupport.h"

#include "CliCommand.h"
#include "modem/PortMap.h"

#include <QTextStream>

std::optional<int> parsePortText(const QString& text)
{
    if (!text.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        return std::nullopt;
    bool isNumber = false;
    const int port = text.mid(3).toInt(&isNumber);
    if (!isNumber || port < 1 || port > PortMap::MaxPort)
        return std::nullopt;
    return port;
}

int refuseUsage(const QString& command, const QString& message)
{
    QTextStream(stderr) << "quillon-cli " << command << ": " << message << '\n';
    return UsageErrorExit;
}
