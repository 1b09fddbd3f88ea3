#include "CliCommand.h"
#include "app/FileSizeSignal.h"
#include "app/ProgramFolder.h"
#include "app/Translations.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cstdio>

namespace {

// Every subcommand of the tool; a new one lives in its own file and gets a line here.
constexpr std::array commands = {
    CliCommand{"pdu",
               QT_TRANSLATE_NOOP("quillon-cli", "print the PDUs PDU mode sends for a message"),
               runPduCommand},
    CliCommand{
        "info",
        QT_TRANSLATE_NOOP("quillon-cli", "print the device information of the modem on a port"),
        runInfoCommand},
    CliCommand{"pin",
               QT_TRANSLATE_NOOP("quillon-cli", "enter the SIM PIN of the modem on a port, once"),
               runPinCommand},
    CliCommand{"send-one",
               QT_TRANSLATE_NOOP("quillon-cli", "send one message through the modem on a port"),
               runSendOneCommand},
    CliCommand{"import",
               QT_TRANSLATE_NOOP("quillon-cli",
                                 "print the recipient rows imported from a text file or workbook"),
               runImportCommand},
    CliCommand{
        "scan",
        QT_TRANSLATE_NOOP("quillon-cli", "search every port for modems and print what was found"),
        runScanCommand},
    CliCommand{"send",
               QT_TRANSLATE_NOOP("quillon-cli", "send a recipient file through one or more modems"),
               runSendCommand},
    CliCommand{
        "reports",
        QT_TRANSLATE_NOOP("quillon-cli",
                          "read the modems' delivery reports and print each sent row's state"),
        runReportsCommand},
    CliCommand{"enqueue",
               QT_TRANSLATE_NOOP("quillon-cli", "add a recipient file's rows to the shared outbox"),
               runEnqueueCommand},
    CliCommand{"serve",
               QT_TRANSLATE_NOOP("quillon-cli",
                                 "send the shared outbox's rows through this computer's modems"),
               runServeCommand},
    CliCommand{"outbox",
               QT_TRANSLATE_NOOP("quillon-cli", "print the shared outbox's rows and counts"),
               runOutboxCommand},
    CliCommand{"journal",
               QT_TRANSLATE_NOOP("quillon-cli",
                                 "print or export the run journal, what became of each row"),
               runJournalCommand},
    CliCommand{"preview",
               QT_TRANSLATE_NOOP("quillon-cli",
                                 "print the SMS parts, time and cost sending a file would take"),
               runPreviewCommand},
    CliCommand{"inbox",
               QT_TRANSLATE_NOOP("quillon-cli",
                                 "read the messages the modems received and print the inbox"),
               runInboxCommand},
};

void printUsage(FILE* stream)
{
    QTextStream out(stream);
    out << QCoreApplication::translate("quillon-cli", "Usage: quillon-cli COMMAND [OPTIONS]")
        << "\n\n"
        << QCoreApplication::translate("quillon-cli", "Commands:") << '\n';
    int width = 0;
    for (const CliCommand& command : commands)
        width = std::max(width, static_cast<int>(qstrlen(command.name)));
    for (const CliCommand& command : commands)
        out << "  " << QString::fromLatin1(command.name).leftJustified(width) << "  "
            << QCoreApplication::translate("quillon-cli", command.summary) << '\n';
    out << '\n'
        << QCoreApplication::translate("quillon-cli",
                                       "Run quillon-cli COMMAND --help for a command's options.")
        << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    IgnoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    InstallTranslations(app, ProgramFolderOf(QCoreApplication::applicationFilePath()));
    QCoreApplication::setApplicationName(QStringLiteral("quillon-cli"));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        printUsage(stderr);
        return UsageErrorExit;
    }
    const QString name = arguments.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printUsage(stdout);
        return 0;
    }
    for (const CliCommand& command : commands) {
        if (name == QLatin1String(command.name))
            return command.run(QStringList{arguments.at(0) + u' ' + name} + arguments.mid(2));
    }
    QTextStream(stderr)
        << QCoreApplication::translate("quillon-cli", "Unknown command \"%1\".").arg(name)
        << "\n\n";
    printUsage(stderr);
    return UsageErrorExit;
}
