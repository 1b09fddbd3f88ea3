#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "base/Clock.h"
#include "devices/DeviceDetailsStore.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/Interrogation.h"
#include "modem/ModemCommands.h"
#include "modem/PortMap.h"
#include "modem/SimState.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("InfoCommand", text);
}

} // namespace

int runInfoCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Asks the modem on COM<n> what it is and prints its device information: manufacturer, "
           "model, revision, SMS modes, battery, default SMSC, operator and signal quality, then "
           "\"SIM State :\" when the SIM or network stands in the way."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("COM<n>"), tr("The modem's port, COM1 to COM512."));
    if (!parser.parse(arguments))
        return refuseUsage(QStringLiteral("info"), parser.errorText());
    if (PrintHelpIfAsked(parser, helpOption, tr("Usage: quillon-cli info COM<n>")))
        return 0;
    const std::optional<int> port =
        singlePortArgument(parser.positionalArguments(), QStringLiteral("info"));
    if (!port)
        return UsageErrorExit;

    const PortMap portMap = PortMap::fromEnvironment();
    CSMSSerialPort channel(portMap, Clock::system());
    try {
        channel.Open(*port, ModemTimeoutMs);
        ResetModemStream(channel);
        // Asked first: the information queries end by closing the port.
        const QString simTrouble = QuerySimCheck(channel).troubleText();
        QTextStream out(stdout);
        out << QueryDeviceInformation(channel) << '\n';
        if (!simTrouble.isEmpty())
            out << SimStateLabel << simTrouble << '\n';
        return 0;
    } catch (const CSMSException& error) {
        QTextStream(stderr) << "quillon-cli info: " << portTextOf(*port) << ": "
                            << GetModemErrorText(error) << '\n';
        return 1;
    }
}
