#include "CliCommand.h"
#include "CliHelp.h"
#include "SendCommandSetup.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "exports/BiffWriter.h"
#include "exports/XlsxExportWriter.h"
#include "recipients/DynamicMessages.h"
#include "recipients/ImportFromFile.h"
#include "recipients/RecipientBatch.h"
#include "recipients/RecipientCommands.h"
#include "recipients/RecipientList.h"
#include "recipients/RecipientListExport.h"
#include "recipients/TextNumberImport.h"
#include "spreadsheet/SheetTable.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "stores/ExclusionSet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>

namespace {

constexpr int ImportFailedExit = 1;

QString tr(const char* text)
{
    return QCoreApplication::translate("ImportCommand", text);
}

int refuse(const QString& message, int exitCode = UsageErrorExit)
{
    QTextStream(stderr) << "quillon-cli import: " << message << '\n';
    return exitCode;
}

// "1,3" as column numbers from 1; empty on a bad list.
std::vector<int> parseColumns(const QString& text)
{
    std::vector<int> columns;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const int column = part.trimmed().toInt(&ok);
        if (!ok || column < 1)
            return {};
        columns.push_back(column);
    }
    return columns;
}

// Ticked columns are read left to right, whatever order they were named in, and once each.
std::vector<int> inSheetOrder(std::vector<int> columns)
{
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    return columns;
}

int sheetIndex(const SpreadsheetReader& reader, const QString& choice)
{
    bool isNumber = false;
    const int number = choice.toInt(&isNumber);
    return isNumber ? number - 1 : int(reader.sheetNames().indexOf(choice));
}

struct ExcelChoice
{
    QString sheet;
    std::vector<int> columns;
    int messageColumn = 0;
    QString messageTemplate;
    bool hasTemplate = false;
};

enum class Reading
{
    ToTheEnd,  // the file was read whole
    Refused,   // nothing was read: a message said why
    Discarded, // the reading broke off: the rows before the failure stay
};

// Reads a workbook the way the main window or the wizard would, by the options given.
Reading readWorkbook(const QString& path, const ExcelChoice& choice, RecipientBatch& batch,
                     const QString& composer, const NumberCheckOptions& options)
{
    SpreadsheetReader reader;
    if (!reader.open(path).ok())
        return refuse(ImportText::openFailed().text, ImportFailedExit), Reading::Refused;
    ImportNotice failure;
    const SheetTable* sheet = ReadImportSheet(reader, sheetIndex(reader, choice.sheet), &failure);
    if (!sheet)
        return refuse(failure.text, ImportFailedExit), Reading::Refused;
    if (sheet->isEmpty())
        return refuse(ImportText::sheetEmpty().text, ImportFailedExit), Reading::Refused;
    SheetReadEnd end;
    if (choice.hasTemplate) {
        end = BuildDynamicMessages(*sheet, inSheetOrder(choice.columns), choice.messageTemplate,
                                   batch, options);
    } else if (choice.messageColumn > 0) {
        end = ImportNumbersAndMessages(*sheet, choice.columns.front(), choice.messageColumn, batch,
                                       options);
    } else {
        std::vector<bool> ticked(size_t(sheet->columnCount()), false);
        for (int column : choice.columns)
            if (column <= sheet->columnCount())
                ticked[size_t(column - 1)] = true;
        end = ImportTickedColumns(*sheet, ticked, batch, composer, options);
    }
    if (end != SheetReadEnd::Discarded)
        return Reading::ToTheEnd;
    refuse(ImportText::readingDiscarded().text, ImportFailedExit);
    return Reading::Discarded;
}

void printRows(const RecipientList& list)
{
    QTextStream out(stdout);
    for (int i = 0; i < list.count(); ++i) {
        QString message = list.at(i).Message;
        message.replace(u'\n', QLatin1String("\\n"));
        out << list.at(i).Number << '\t' << message << '\n';
    }
    out << UpdateCounters(list) << '\n';
}

bool isXlsTarget(const QString& path)
{
    return path.section(u'.', -1).toLower() == QLatin1String("xls");
}

bool isWorkbookTarget(const QString& path)
{
    return isXlsTarget(path) || path.section(u'.', -1).toLower() == QLatin1String("xlsx");
}

// The recipient-list export of the main window, as xls or xlsx by the target's extension.
int exportRows(const RecipientList& list, const QString& path)
{
    const ExportTable table = RecipientExportTable(list);
    const ExportResult result = isXlsTarget(path) ? WriteXls(path, table) : WriteXlsx(path, table);
    if (!result.ok())
        return refuse(ExportFailureText(result), ImportFailedExit);
    QTextStream(stdout) << UpdateCounters(list) << '\n';
    return 0;
}

} // namespace

int runImportCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Imports recipients from a text file or a workbook as the program does and prints "
           "one line per row: the number, a tab, and the message (line breaks as \\n)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption sheetOption(QStringLiteral("sheet"),
                                         tr("Sheet by number from 1 or by name (default 1)."),
                                         tr("SHEET"), QStringLiteral("1"));
    const QCommandLineOption columnsOption(QStringLiteral("columns"),
                                           tr("Number column(s) from 1, comma-separated "
                                              "(default 1)."),
                                           tr("LIST"), QStringLiteral("1"));
    const QCommandLineOption messageOption(
        QStringLiteral("message-column"), tr("Take each row's message from this column."), tr("N"));
    const QCommandLineOption templateOption(QStringLiteral("template"),
                                            tr("Personalised message with <COL-n> placeholders."),
                                            tr("TEXT"));
    const QCommandLineOption composerOption(QStringLiteral("composer"),
                                            tr("Message for imported numbers."), tr("TEXT"));
    const QCommandLineOption skipOption(QStringLiteral("skip-duplicates"),
                                        tr("Skip Duplicate Numbers."));
    const QCommandLineOption exclusionOption(
        QStringLiteral("use-exclusion-rules"),
        tr("Use Exclusion Rules: leave out the numbers of the exclusion lists in use."));
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        tr("Write the rows as the list's export (.xls or .xlsx) instead of printing them."),
        tr("OUT"));
    parser.addOptions({sheetOption, columnsOption, messageOption, templateOption, composerOption,
                       skipOption, exclusionOption, exportOption});
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("A .txt, .xls or .xlsx file."));
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (PrintHelpIfAsked(parser, help,
                         tr("Usage: quillon-cli import FILE [--sheet N|NAME] [--columns LIST] "
                            "[--message-column N] [--template TEXT] [--composer TEXT] "
                            "[--skip-duplicates] [--use-exclusion-rules] [--export OUT]")))
        return 0;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Expected exactly one FILE argument."));
    const QString path = parser.positionalArguments().front();

    ExcelChoice choice;
    choice.sheet = parser.value(sheetOption);
    choice.columns = parseColumns(parser.value(columnsOption));
    if (choice.columns.empty())
        return refuse(tr("--columns takes column numbers from 1, such as 1,3."));
    choice.hasTemplate = parser.isSet(templateOption);
    choice.messageTemplate = parser.value(templateOption);
    if (parser.isSet(messageOption)) {
        const std::vector<int> message = parseColumns(parser.value(messageOption));
        choice.messageColumn = message.size() == 1 ? message.front() : 0;
        if (choice.messageColumn < 1 || choice.columns.size() != 1 || choice.hasTemplate)
            return refuse(tr("--message-column takes one column from 1, with one number "
                             "column and no --template."));
    }

    if (parser.isSet(exportOption) && !isWorkbookTarget(parser.value(exportOption)))
        return refuse(tr("--export takes a path ending in .xls or .xlsx."));

    ImportNotice refusal;
    const std::optional<ImportFileKind> kind = CheckImportPath(path, &refusal);
    if (!kind)
        return refuse(refusal.text, ImportFailedExit);
    const bool useExclusions = parser.isSet(exclusionOption);
    ExclusionSet exclusions;
    if (useExclusions) {
        const CQuillonApp app(StartupEnvironment::ofThisProcess(), Clock::system());
        QTextStream err(stderr);
        StreamPrompter prompter(err);
        LoadExclusionSet(exclusions, true, app.dataFolder(), prompter);
    }
    RecipientList list;
    RecipientBatch batch(list);
    const NumberCheckOptions options{parser.isSet(skipOption), useExclusions, &exclusions};
    const QString composer = parser.value(composerOption);
    Reading reading = Reading::ToTheEnd;
    if (*kind == ImportFileKind::Text) {
        if (const std::optional<ImportNotice> refused = CheckTextFile(path))
            return refuse(refused->text, ImportFailedExit);
        if (!ReadTextNumbers(path, batch, composer, options)) {
            refuse(ImportText::fileMissing().text, ImportFailedExit);
            reading = Reading::Discarded;
        }
    } else {
        reading = readWorkbook(path, choice, batch, composer, options);
        if (reading == Reading::Refused)
            return ImportFailedExit;
    }
    InsertBatchAtTop(list, batch);
    // As the window does: a file read to its end that gave no row is named a failure too.
    if (reading == Reading::ToTheEnd && list.isEmpty())
        return refuse(ImportText::nothingImported().text, ImportFailedExit);
    int exitCode = 0;
    if (parser.isSet(exportOption))
        exitCode = exportRows(list, parser.value(exportOption));
    else
        printRows(list);
    return reading == Reading::Discarded ? ImportFailedExit : exitCode;
}
