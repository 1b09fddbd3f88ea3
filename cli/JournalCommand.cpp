#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "exports/ExportServices.h"
#include "exports/ProcessStatusExport.h"
#include "sending/JournalStatusRows.h"
#include "stores/DataFolder.h"
#include "stores/RunJournal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("JournalCommand", text);
}

// The export's desktop without a desktop: the file named on the command line, written on
// this thread, nothing opened afterwards, messages to standard error.
class GivenPathDialog : public SaveDialog
{
public:
    explicit GivenPathDialog(QString path) : m_path(std::move(path)) {}
    std::optional<Choice> askSavePath(const QList<ExportFormat>& formats) override
    {
        const QString suffix = QFileInfo(m_path).suffix().toLower();
        for (int i = 0; i < int(formats.size()); ++i)
            if (ExportExtension(formats[i]) == suffix)
                return Choice{m_path, i};
        return std::nullopt;
    }

private:
    QString m_path;
};

class InlineWorker : public ExportWorker
{
public:
    ExportResult run(const std::function<ExportResult()>& write) override { return write(); }
};

class NoOpenPrompt : public ExportResultPrompt
{
public:
    bool askToOpen(const QString&) override { return false; }
};

class NoOpener : public FileOpener
{
public:
    bool openWithDefault(const QString&) override { return false; }
    bool openWithChooser(const QString&) override { return false; }
};

class ErrorStreamPrompter : public Prompter
{
public:
    explicit ErrorStreamPrompter(QTextStream& err) : m_err(err) {}
    void inform(const QString& caption, const QString& text, Icon) override
    {
        m_err << caption << ": " << text << '\n' << Qt::flush;
    }
    bool confirm(const QString&, const QString&, Icon) override { return true; }
    Answer askYesNoCancel(const QString&, const QString&, Icon) override { return Answer::Yes; }

private:
    QTextStream& m_err;
};

QString stateOf(const RunJournalContent& journal)
{
    if (journal.finished)
        return tr("finished");
    if (journal.setAside)
        return tr("set aside");
    return tr("unfinished");
}

} // namespace

int runJournalCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Prints the run journal of the data folder: a line with the run's id, rows and state "
           "(unfinished, finished or set aside), then one line per row separated by tabs "
           "(row, number, current status, status) and the tally. An unfinished run is taken up "
           "again by \"quillon-cli send --resume\"."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption exportOption(
        "export", tr("Write the rows as the status export does, to FILE (.xls or .xlsx)."),
        tr("FILE"));
    const QCommandLineOption previousOption("previous",
                                            tr("The journal of the run before the last one."));
    const QCommandLineOption setAsideOption(
        "set-aside", tr("Do not resume the unfinished run: it stays in the journal for export."));
    parser.addOptions({exportOption, previousOption, setAsideOption});
    if (!parser.parse(arguments))
        return refuseUsage(QStringLiteral("journal"), parser.errorText());
    if (PrintHelpIfAsked(parser, helpOption,
                         tr("Usage: quillon-cli journal [--previous] [--export FILE] "
                            "[--set-aside]")))
        return 0;
    const QString exportPath = parser.value(exportOption);
    if (!exportPath.isEmpty()) {
        const QString suffix = QFileInfo(exportPath).suffix().toLower();
        if (suffix != u"xls" && suffix != u"xlsx")
            return refuseUsage(QStringLiteral("journal"),
                               tr("--export FILE ends in .xls or .xlsx."));
    }

    const CQuillonApp app(StartupEnvironment::ofThisProcess(), Clock::system());
    RunJournal store(app.dataFolder());
    const QString path = parser.isSet(previousOption) ? store.previousPath() : store.path();
    QTextStream out(stdout);
    QTextStream err(stderr);
    RunJournalContent journal;
    FileError error;
    if (!RunJournal::Load(path, journal, &error)) {
        err << "quillon-cli journal: " << FileErrorText(error) << '\n';
        return 1;
    }
    if (!journal.hasRun()) {
        err << "quillon-cli journal: " << tr("no run in %1").arg(path) << '\n';
        return 1;
    }
    if (parser.isSet(setAsideOption)) {
        if (parser.isSet(previousOption) || !journal.isUnfinished()) {
            err << "quillon-cli journal: " << tr("no unfinished run to set aside") << '\n';
            return 1;
        }
        if (!store.setAside(&error)) {
            err << "quillon-cli journal: " << FileErrorText(error) << '\n';
            return 1;
        }
        journal.setAside = true;
    }

    const std::vector<ProcessStatusRow> rows = JournalStatusRows(journal);
    out << tr("Run %1: %2 rows, %3").arg(journal.begin->run).arg(rows.size()).arg(stateOf(journal))
        << '\n';
    int sent = 0, failed = 0, unknown = 0, other = 0, waiting = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ProcessStatusRow& row = rows[i];
        out << i << '\t' << row.Number << '\t' << row.CurrentStatus << '\t' << row.Status << '\n';
        if (journal.rows[i].outcomeUnknown())
            ++unknown;
        else if (row.Status.isEmpty())
            ++waiting;
        else if (MatchesStatusChoice(StatusChoice::Succeeded, row.Status))
            ++sent;
        else if (row.Status.contains(u"Error"))
            ++failed;
        else
            ++other;
    }
    out << tr("Sent %1, failed %2, unknown %3, other %4, not sent %5")
               .arg(sent)
               .arg(failed)
               .arg(unknown)
               .arg(other)
               .arg(waiting)
        << '\n'
        << Qt::flush;
    if (exportPath.isEmpty())
        return 0;
    GivenPathDialog dialog(exportPath);
    ErrorStreamPrompter prompter(err);
    InlineWorker worker;
    NoOpenPrompt prompt;
    NoOpener opener;
    Exporter exporter({dialog, prompter, worker, prompt, opener});
    return ExportProcessStatuses(exporter, rows, false) == ExportOutcome::Written ? 0 : 1;
}
