#include "CliHelp.h"

#include <QCommandLineParser>
#include <QTextStream>

QString SubcommandHelpText(const QCommandLineParser& parser, const QString& usage)
{
    QString help = parser.helpText();
    help.replace(0, help.indexOf(u'\n'), usage);
    return help;
}

bool PrintHelpIfAsked(const QCommandLineParser& parser, const QCommandLineOption& helpOption,
                      const QString& usage)
{
    if (!parser.isSet(helpOption) && !parser.isSet(QStringLiteral("help-all")))
        return false;
    QTextStream(stdout) << SubcommandHelpText(parser, usage);
    return true;
}

QString OneLineText(QString text)
{
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u'\t', QLatin1String("\\t"));
    text.replace(u'\n', QLatin1String("\\n"));
    return text;
}
