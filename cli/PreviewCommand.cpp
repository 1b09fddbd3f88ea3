#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "SendCommandSetup.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "sending/CampaignPreview.h"
#include "sending/PreviewInputs.h"
#include "stores/PreviewChoiceStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cmath>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PreviewCommand", text);
}

int refuse(const QString& message)
{
    return refuseUsage(QStringLiteral("preview"), message);
}

struct PreviewOptions
{
    QCommandLineOption file{"file",
                            tr("Recipients: a workbook (.xls, .xlsx), a text file of numbers with "
                               "--message, or \"number<TAB>message\" lines."),
                            tr("FILE")};
    QCommandLineOption message{"message", tr("The message for a file of numbers."), tr("TEXT")};
    QCommandLineOption sheet{"sheet", tr("Workbooks: the sheet from 1 (default 1)."), tr("N"),
                             QStringLiteral("1")};
    QCommandLineOption numberColumn{"number-column",
                                    tr("Workbooks: the number column from 1 (default 1)."), tr("N"),
                                    QStringLiteral("1")};
    QCommandLineOption messageColumn{"message-column",
                                     tr("Workbooks: the message column from 1 (default 2)."),
                                     tr("N"), QStringLiteral("2")};
    QCommandLineOption price{
        "price", tr("Price of one SMS part (default: the one kept by the preview window)."),
        tr("P")};
    QCommandLineOption replace{"replace-lookalikes",
                               tr("Replace look-alike characters first, in the rows that then "
                                  "go whole in the GSM alphabet.")};
    QCommandLineOption unicode{"unicode", tr("Enable non-English (Unicode) characters.")};
    QCommandLineOption national{"national-languages",
                                tr("Use national language tables where they save parts.")};
    QCommandLineOption fast{"fast", tr("Send as fast as each modem answers.")};
    QCommandLineOption modems{"modems", tr("Number of modems sharing the rows (default 1)."),
                              tr("N"), QStringLiteral("1")};
    QCommandLineOption textMode{"text-mode", tr("The modems send in text mode.")};
    QCommandLineOption quota{"quota", tr("The most messages each modem sends."), tr("N")};
    QCommandLineOption pauseEvery{"pause-every", tr("Pause every N messages (with --pause-for)."),
                                  tr("N")};
    QCommandLineOption pauseFor{
        "pause-for", tr("Pause length as the main window lists it, e.g. \"10 Seconds\"."),
        tr("TEXT")};
};

std::optional<int> positiveValue(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    return ok && value >= 1 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

int runPreviewCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Prints what sending the file would take, counted as the senders cut the messages: "
           "rows, SMS parts by encoding and by part count, each modem's share, the estimated "
           "time and cost, and the rows that go as UCS2 only because of look-alike "
           "characters."));
    const QCommandLineOption help = parser.addHelpOption();
    const PreviewOptions o;
    parser.addOptions({o.file, o.message, o.sheet, o.numberColumn, o.messageColumn, o.price,
                       o.replace, o.unicode, o.national, o.fast, o.modems, o.textMode, o.quota,
                       o.pauseEvery, o.pauseFor});
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (PrintHelpIfAsked(parser, help,
                         tr("Usage: quillon-cli preview --file FILE [--message TEXT] [--price P] "
                            "[--replace-lookalikes] [OPTIONS]")))
        return 0;
    if (!parser.isSet(o.file))
        return refuse(tr("--file FILE is required."));
    SendSettings settings;
    settings.file = parser.value(o.file);
    settings.hasMessage = parser.isSet(o.message);
    settings.message = parser.value(o.message);
    const std::optional<int> sheet = positiveValue(parser, o.sheet);
    const std::optional<int> numberColumn = positiveValue(parser, o.numberColumn);
    const std::optional<int> messageColumn = positiveValue(parser, o.messageColumn);
    const std::optional<int> modemCount = positiveValue(parser, o.modems);
    if (!sheet || !numberColumn || !messageColumn || !modemCount || *modemCount > 512)
        return refuse(tr("--sheet, --number-column, --message-column and --modems take a "
                         "number from 1."));
    settings.sheet = *sheet;
    settings.numberColumn = *numberColumn;
    settings.messageColumn = *messageColumn;
    int quota = -1;
    if (parser.isSet(o.quota)) {
        bool ok = false;
        quota = parser.value(o.quota).toInt(&ok);
        if (!ok || quota < 0)
            return refuse(tr("--quota takes a count."));
    }
    if (parser.isSet(o.pauseEvery) != parser.isSet(o.pauseFor))
        return refuse(tr("--pause-every and --pause-for go together."));
    const CQuillonApp app(StartupEnvironment::ofThisProcess(), Clock::system());
    double price = PreviewChoiceStore(app.dataFolder()).load().pricePerPart;
    if (parser.isSet(o.price)) {
        bool ok = false;
        price = parser.value(o.price).toDouble(&ok);
        if (!ok || !std::isfinite(price) || price < 0)
            return refuse(tr("--price takes a price of 0 or more, such as 0.05."));
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    SendSession session(settings, app.dataFolder(), Clock::system());
    if (const QString error = session.loadRecipients(err); !error.isEmpty()) {
        err << "quillon-cli preview: " << error << '\n';
        return 1;
    }
    PreviewSettings preview;
    preview.unicode = parser.isSet(o.unicode);
    preview.nationalLanguages = parser.isSet(o.national);
    preview.pacing = previewPacingOf(parser.isSet(o.fast), parser.isSet(o.pauseEvery),
                                     parser.value(o.pauseEvery), parser.value(o.pauseFor));
    for (int i = 1; i <= *modemCount; ++i)
        preview.modems.append({tr("Modem %1").arg(i), parser.isSet(o.textMode) ? 2 : 1, quota});

    RecipientList& list = session.recipients();
    CampaignPreview result = previewCampaign(list, preview);
    if (parser.isSet(o.replace)) {
        const std::int64_t partsBefore = result.parts;
        const int changed = replaceLookalikeCharacters(list, result.lookalikes.rows);
        result = previewCampaign(list, preview);
        out << tr("Replaced look-alike characters in %1 rows: %2 parts fewer")
                   .arg(changed)
                   .arg(partsBefore - result.parts)
            << '\n';
    }
    for (const QString& line : previewLines(result, price))
        out << line << '\n';
    return 0;
}
