#include "ModemCliSupport.h"

#include "CliCommand.h"
#include "modem/PortMap.h"

#include <QCoreApplication>
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

std::optional<int> singlePortArgument(const QStringList& positional, const QString& command)
{
    if (positional.size() != 1) {
        refuseUsage(command, QCoreApplication::translate("ModemCliSupport",
                                                         "Expected exactly one COM<n> argument."));
        return std::nullopt;
    }
    const std::optional<int> port = parsePortText(positional.front());
    if (!port)
        refuseUsage(command, QCoreApplication::translate(
                                 "ModemCliSupport", "\"%1\" is not a port: use COM1 to COM512.")
                                 .arg(positional.front()));
    return port;
}
