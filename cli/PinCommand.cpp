#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "base/Clock.h"
#include "devices/SimPinEntry.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/PortMap.h"
#include "modem/SimState.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PinCommand", text);
}

int fail(const QString& port, const QString& text)
{
    QTextStream(stderr) << "quillon-cli pin: " << port << ": " << text << '\n';
    return 1;
}

// The PIN from standard input: its first line. Never kept anywhere else.
QString readPinFromInput()
{
    QTextStream in(stdin);
    return in.readLine().trimmed();
}

int enterPinOnce(CSMSSerialPort& channel, const QString& port, const QString& pin, bool lastTry)
{
    const PinStatus status = SimPinEntry::readPinStatus(channel);
    const SimCheck& before = status.sim;
    if (before.lock == SimLock::Ready) {
        QTextStream(stdout) << port << ": " << tr("The SIM does not ask for a PIN.") << '\n';
        return 0;
    }
    if (before.lock != SimLock::PinRequired)
        return fail(port, before.troubleText().isEmpty() ? tr("The SIM state is not known.")
                                                         : before.troubleText());
    const std::optional<int> tries = status.triesLeft;
    if (tries == 0)
        return fail(port, SimText::pukRequired());
    // The last try decides whether the SIM blocks: it is used only when asked for.
    if (tries == 1 && !lastTry)
        return fail(port, tr("Only one PIN try is left; a wrong PIN blocks the SIM (SIM PUK "
                             "required). Check the PIN and run again with --last-try."));
    switch (EnterPin(channel, pin)) {
    case PinEntry::Accepted:
        QTextStream(stdout) << port << ": " << tr("PIN accepted.") << '\n';
        return 0;
    case PinEntry::NoAnswer:
        return fail(port, tr("The modem did not answer; the try may have been counted."));
    case PinEntry::Refused:
        break;
    }
    if (const std::optional<int> left = QueryPinTries(channel))
        return fail(port, tr("The SIM did not accept the PIN (%1 tries left).").arg(*left));
    return fail(port, tr("The SIM did not accept the PIN."));
}

} // namespace

int runPinCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Enters the SIM PIN of the modem on COM<n>, once. The PIN is read from the first line of "
        "standard input unless --pin gives it; it is never stored. When the modem says only "
        "one try is left, nothing is sent without --last-try."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption pinOption(QStringLiteral("pin"), tr("The PIN (4 to 8 digits)."),
                                       QStringLiteral("PIN"));
    const QCommandLineOption lastTryOption(QStringLiteral("last-try"),
                                           tr("Use the SIM's last PIN try."));
    parser.addOption(pinOption);
    parser.addOption(lastTryOption);
    parser.addPositionalArgument(QStringLiteral("COM<n>"), tr("The modem's port, COM1 to COM512."));
    if (!parser.parse(arguments))
        return refuseUsage(QStringLiteral("pin"), parser.errorText());
    if (PrintHelpIfAsked(parser, helpOption,
                         tr("Usage: quillon-cli pin COM<n> [--pin PIN] [--last-try]")))
        return 0;
    const std::optional<int> port =
        singlePortArgument(parser.positionalArguments(), QStringLiteral("pin"));
    if (!port)
        return UsageErrorExit;
    const QString pin =
        parser.isSet(pinOption) ? parser.value(pinOption).trimmed() : readPinFromInput();
    static const QRegularExpression digits(QStringLiteral("^[0-9]{4,8}$"));
    if (!digits.match(pin).hasMatch())
        return refuseUsage(QStringLiteral("pin"), tr("A PIN is 4 to 8 digits."));

    const PortMap portMap = PortMap::fromEnvironment();
    CSMSSerialPort channel(portMap, Clock::system());
    try {
        channel.Open(*port, ModemTimeoutMs);
        channel.DiscardInput();
        const int exitCode =
            enterPinOnce(channel, portTextOf(*port), pin, parser.isSet(lastTryOption));
        channel.Close();
        return exitCode;
    } catch (const CSMSException& error) {
        return fail(portTextOf(*port), GetModemErrorText(error));
    }
}
