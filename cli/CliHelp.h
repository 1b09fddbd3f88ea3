#pragma once

class QCommandLineOption;
class QCommandLineParser;
class QString;

// The parser's help under the subcommand's own usage line: the usage, the description, then
// the options and arguments, the same way for every subcommand.
QString SubcommandHelpText(const QCommandLineParser& parser, const QString& usage);

// Prints the parser's help under the subcommand's own usage line when --help or --help-all was
// given. True when it printed, and the subcommand then ends with exit code 0.
bool PrintHelpIfAsked(const QCommandLineParser& parser, const QCommandLineOption& helpOption,
                      const QString& usage);

// A text as one field of a tab-separated line: backslashes, tabs and line breaks inside it
// written as \\, \t and \n.
QString OneLineText(QString text);
