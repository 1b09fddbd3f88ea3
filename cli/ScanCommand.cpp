#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "devices/DeviceDetailsStore.h"
#include "devices/ModemScan.h"
#include "devices/PortEnumeration.h"
#include "devices/ScanResults.h"
#include "modem/CSMSSerialPort.h"
#include "modem/PortMap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <memory>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ScanCommand", text);
}

// Messages go to standard error; nobody is there to answer a question, so it is No.
class ConsolePrompter : public Prompter
{
public:
    void inform(const QString&, const QString& text, Icon) override
    {
        QTextStream(stderr) << "quillon-cli scan: " << QString(text).remove(u'\r') << '\n';
    }
    bool confirm(const QString& caption, const QString& text, Icon icon) override
    {
        inform(caption, text, icon);
        return false;
    }
    Answer askYesNoCancel(const QString& caption, const QString& text, Icon icon) override
    {
        inform(caption, text, icon);
        return Answer::No;
    }
    int choose(const QString& caption, const QString& text, const QStringList& choices,
               Icon icon) override
    {
        inform(caption, text, icon);
        return static_cast<int>(choices.size()) - 1;
    }
};

} // namespace

int runScanCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Searches every port for modems that can send SMS, as the device selection does, "
           "and prints one line per modem found (Com Port, Com Port Details, Com Port Status, "
           "SMSC No., IMEI No., SMS Mode, Default SMSC No., SUP SMS Mode, USE CUS SMSC, "
           "separated by tabs), then the details of each."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(arguments))
        return refuseUsage(QStringLiteral("scan"), parser.errorText());
    if (PrintHelpIfAsked(parser, helpOption, tr("Usage: quillon-cli scan")))
        return 0;
    if (!parser.positionalArguments().isEmpty())
        return refuseUsage(QStringLiteral("scan"), tr("No arguments expected."));

    const PortMap portMap = PortMap::fromEnvironment();
    CSMSSerialPort channel(portMap, Clock::system());
    const std::unique_ptr<SerialPortLister> lister = makeSerialPortLister(portMap);
    DeviceDetailsStore details;
    ScanResults results(details);
    ConsolePrompter prompter;
    ModemScan scan({portMap, Clock::system(), channel, *lister, results, prompter, {}, {}});
    scan.StartModemScan();
    scan.waitUntilFinished();

    QTextStream out(stdout);
    for (const ScanDeviceRow& row : results.rows())
        out << row.columns().join(u'\t') << '\n';
    for (const QString& entry : details.entries())
        out << '\n' << entry << '\n';
    return 0;
}
