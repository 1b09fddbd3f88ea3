#include "CliHelp.h"

#include <QCommandLineParser>
#include <QTextStream>

bool PrintHelpIfAsked(const QCommandLineParser& parser, const QCommandLineOption& helpOption,
                      const QString& usage)
{
    if (!parser.isSet(helpOption) && !parser.isSet(QStringLiteral("help-all")))
        return false;
    QString help = parser.helpText();
    help.replace(0, help.indexOf(u'\n'), usage);
    QTextStream(stdout) << help;
    return true;
}
