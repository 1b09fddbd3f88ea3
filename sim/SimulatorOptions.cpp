#include "sim/SimulatorOptions.h"

#include "sim/SimError.h"

#include <QCoreApplication>

namespace sim {

namespace {

constexpr int kMaxPort = 512;

QString tr(const char* text)
{
    return QCoreApplication::translate("quillon-modem-sim", text);
}

[[noreturn]] void refuse(const QString& message)
{
    throw SimError(message.toStdString());
}

int toNumber(const QString& option, const QString& value, int min, int max)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < min || number > max)
        refuse(tr("%1 needs a number from %2 to %3, not \"%4\"")
                   .arg(option)
                   .arg(min)
                   .arg(max)
                   .arg(value));
    return number;
}

SimulatorOptions::ProfileSpec parseProfileSpec(const QString& profileText)
{
    const qsizetype colon = profileText.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        refuse(tr("--profile needs PORT:ITEMS or all:ITEMS, not \"%1\"").arg(profileText));
    const QString selector = profileText.left(colon).trimmed();
    SimulatorOptions::ProfileSpec result;
    result.items = profileText.mid(colon + 1);
    if (selector.compare(QLatin1String("all"), Qt::CaseInsensitive) != 0) {
        QString number = selector;
        if (number.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
            number = number.mid(3);
        result.port = toNumber(QStringLiteral("--profile"), number, 1, kMaxPort);
    }
    ModemProfile check;
    applyProfileItems(result.items, check); // reports a bad item now rather than at start
    return result;
}

} // namespace

ModemProfile SimulatorOptions::profileFor(int port) const
{
    ModemProfile profile = defaultProfile(port);
    for (const ProfileSpec& profileText : profiles) {
        if (!profileText.port)
            applyProfileItems(profileText.items, profile);
    }
    for (const ProfileSpec& profileText : profiles) {
        if (profileText.port == port)
            applyProfileItems(profileText.items, profile);
    }
    return profile;
}

void SimulatorOptions::validate() const
{
    if (portsDir.empty())
        refuse(tr("--ports DIR is required"));
    if (modems < 1 || firstPort < 1 || firstPort + modems - 1 > kMaxPort)
        refuse(tr("Ports COM%1 to COM%2 are out of the range COM1 to COM%3")
                   .arg(firstPort)
                   .arg(firstPort + modems - 1)
                   .arg(kMaxPort));
    for (const ProfileSpec& profileText : profiles) {
        if (profileText.port &&
            (*profileText.port < firstPort || *profileText.port >= firstPort + modems))
            refuse(tr("--profile names COM%1, which is not simulated").arg(*profileText.port));
    }
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    SimulatorOptions& options = result.options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        std::optional<QString> inlineValue;
        if (const qsizetype eq = option.indexOf(QLatin1Char('='));
            option.startsWith("--") && eq > 0) {
            inlineValue = option.mid(eq + 1);
            option = option.left(eq);
        }
        const auto value = [&]() -> QString {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= arguments.size())
                refuse(tr("%1 needs a value").arg(option));
            return arguments[++i];
        };
        if (option == QLatin1String("--help") || option == QLatin1String("-h"))
            result.help = true;
        else if (option == QLatin1String("--ports"))
            options.portsDir = value().toStdString();
        else if (option == QLatin1String("--modems"))
            options.modems = toNumber(option, value(), 1, kMaxPort);
        else if (option == QLatin1String("--first"))
            options.firstPort = toNumber(option, value(), 1, kMaxPort);
        else if (option == QLatin1String("--log"))
            options.logFile = value();
        else if (option == QLatin1String("--profile"))
            options.profiles.push_back(parseProfileSpec(value()));
        else
            refuse(tr("Unknown option \"%1\" (see --help)").arg(arguments[i]));
    }
    if (!result.help)
        options.validate();
    return result;
}

QString usageText()
{
    return tr("Usage: quillon-modem-sim --ports DIR [--modems N] [--first N] [--log FILE]\n"
              "                         [--profile PORT:ITEMS]...\n"
              "\n"
              "Simulates GSM modems on pseudo-terminals until SIGINT or SIGTERM. Each modem\n"
              "gets the link DIR/COM<n> to its pty; point QUILLON_PORTS at DIR.\n"
              "\n"
              "Each modem also reads the FIFO DIR/COM<n>.sms: every line written to it is a\n"
              "message the network delivers to the modem, stored in \"SM\" and announced with\n"
              "+CMTI once AT+CNMI asked for that (with cmt-direct, printed with +CMT instead):\n"
              "  pdu HEX      an SMS-DELIVER as it is, SMSC field first\n"
              "  sms from=NUMBER [coding=gsm|ucs2|8bit] [ref16] [parts=N,M,...] text=TEXT\n"
              "               a message, split into concatenated parts when long (an 8-bit\n"
              "               reference, 16-bit with ref16); parts= delivers only those parts,\n"
              "               in that order. TEXT runs to the line end, \\n for a line break;\n"
              "               hex for 8bit. Unicode text goes as UCS2 unless coding says.\n"
              "  e.g. echo 'sms from=+447700900123 text=STOP' > /tmp/ports/COM1.sms\n"
              "\n"
              "  --ports DIR          folder for the COM<n> links (created when missing)\n"
              "  --modems N           number of modems (default 1)\n"
              "  --first N            port number of the first modem (default 1)\n"
              "  --log FILE           append one JSON line per SMS sent (the simulated air)\n"
              "  --profile PORT:ITEMS behaviour of the modem on COM<PORT> (or all:ITEMS for\n"
              "                       every modem); ITEMS is a comma-separated list, a value\n"
              "                       with a comma goes in double quotes. Repeatable; later\n"
              "                       items win.\n"
              "  --help               this text\n"
              "\n"
              "Profile items:\n") +
           profileItemsHelp() +
           tr("\n"
              "Example:\n"
              "  quillon-modem-sim --ports /tmp/ports --modems 3 --log /tmp/air.jsonl \\\n"
              "      --profile 2:text-only --profile 3:cms-error=500,every=3\n");
}

} // namespace sim
