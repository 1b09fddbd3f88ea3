#include "SendCommandSetup.h"

#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "base/Clock.h"
#include "modem/AnswerCleaning.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/Interrogation.h"
#include "modem/ModemCommands.h"
#include "recipients/ExcelImport.h"
#include "recipients/ImportFromFile.h"
#include "recipients/TextNumberImport.h"
#include "sending/NonGsmRows.h"
#include "spreadsheet/SheetTable.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "stores/DataFolder.h"
#include "stores/ExclusionSet.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QUrlQuery>
#include <algorithm>
#include <cstdio>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SendCommand", text);
}

// "COM<n>=VALUE" pairs of a repeated option.
bool readPortValues(const QStringList& values, QMap<int, QString>& result)
{
    for (const QString& value : values) {
        const qsizetype equals = value.indexOf(u'=');
        const std::optional<int> port = parsePortText(value.left(equals));
        if (equals < 0 || !port)
            return false;
        result.insert(*port, value.mid(equals + 1).trimmed());
    }
    return true;
}

} // namespace

SendCommandOptions SendCommandOptions::declare(QCommandLineParser& parser)
{
    SendCommandOptions o;
    parser.setApplicationDescription(
        tr("Sends every row of the file as the sending window does, printing the progress, then "
           "one line per row (number, current status, status, retry, and with "
           "--delivery-reports the delivery state) and the tally. Exits 0 when "
           "the run finished, whatever its rows' outcomes. SIGINT or SIGTERM stops the run as "
           "the window's Stop does (the rows and the tally are still printed; exit 130 or 143); "
           "a second signal ends it at once. Every run keeps a journal in the data folder, from "
           "which --resume takes up a run that stopped before its end."));
    o.help.setDescription(tr("Show this help."));
    o.file = QCommandLineOption(
        "file",
        tr("Recipients: a workbook (.xls, .xlsx), a text file of numbers with --message, or "
           "\"number<TAB>message\" lines."),
        tr("FILE"));
    o.message = QCommandLineOption(
        "message", tr("The message for every number of a text file of numbers."), tr("TEXT"));
    o.sheet = QCommandLineOption("sheet", tr("Workbook sheet, from 1 (default 1)."), tr("N"), "1");
    o.numberColumn = QCommandLineOption(
        "number-column", tr("Workbook column of the numbers, from 1 (default 1)."), tr("N"), "1");
    o.messageColumn = QCommandLineOption(
        "message-column", tr("Workbook column of the messages, from 1 (default 2)."), tr("N"), "2");
    o.port = QCommandLineOption("port", tr("Send through this modem (repeatable)."), tr("COM<n>"));
    o.all = QCommandLineOption("all", tr("Send through every port that answers as a modem."));
    o.mode =
        QCommandLineOption("mode", tr("Message mode of a port (default: PDU when it supports it)."),
                           tr("COM<n>=pdu|text"));
    o.smsc =
        QCommandLineOption("smsc", tr("Custom service centre of a port."), tr("COM<n>=NUMBER"));
    o.quota = QCommandLineOption("quota", tr("Manual quota of a port (quota management on)."),
                                 tr("COM<n>=N"));
    o.type = QCommandLineOption("type", tr("Message type: standard or notification (flash)."),
                                tr("TYPE"), "standard");
    o.unicode = QCommandLineOption("unicode", tr("Enable non-English (Unicode) characters."));
    o.nationalLanguages = QCommandLineOption(
        "national-languages",
        tr("Use national language tables where they save parts (PDU mode, with --unicode)."));
    o.fast = QCommandLineOption(
        "fast", tr("Send as fast as each modem answers (no designed waits beyond its answer)."));
    o.deliveryReports = QCommandLineOption(
        "delivery-reports", tr("Request delivery reports: every message part asks the network "
                               "for a status report."));
    o.waitReports = QCommandLineOption(
        "wait-reports",
        tr("With --delivery-reports: after the run, wait up to SECONDS for the reports still "
           "out before the rows are printed. Reports that come later are read by "
           "\"quillon-cli reports\"."),
        tr("SECONDS"));
    o.resendUnconfirmed = QCommandLineOption(
        "resend-unconfirmed", tr("Retry rounds also send the rows whose modem never confirmed "
                                 "them (they may have been sent already)."));
    o.nonGsm = QCommandLineOption(
        "non-gsm",
        tr("Without --unicode, rows with characters the GSM alphabet cannot carry are refused "
           "(nothing is sent; the default), sent as Unicode, or sent with the nearest GSM "
           "letters (\"?\" where none is near)."),
        tr("unicode|replace|refuse"), "refuse");
    o.skipDuplicates = QCommandLineOption("skip-duplicates", tr("Skip Duplicate Numbers."));
    o.exclusionRules = QCommandLineOption("use-exclusion-rules",
                                          tr("Use Exclusion Rules (the exclusion lists in use)."));
    o.pauseEvery = QCommandLineOption("pause-every",
                                      tr("Pause every N messages (with --pause-for)."), tr("N"));
    o.pauseFor = QCommandLineOption(
        "pause-for", tr("Pause length as the main window lists it, e.g. \"10 Seconds\"."),
        tr("TEXT"));
    o.retries =
        QCommandLineOption("retries", tr("Retry rounds for failed messages, 1 to 10."), tr("N"));
    o.saveSentItems = QCommandLineOption("save-sent-items", tr("Save Sent Items."));
    o.saveTemplates =
        QCommandLineOption("save-to-templates", tr("Save sent messages to Templates."));
    o.clockFactor = QCommandLineOption(
        "clock-factor", tr("Run every designed wait N times faster (for simulated modems)."),
        tr("N"), "1");
    parser.addOptions({o.help,           o.file,       o.message,  o.sheet,   o.numberColumn,
                       o.messageColumn,  o.port,       o.all,      o.mode,    o.smsc,
                       o.quota,          o.type,       o.unicode,  o.nonGsm,  o.skipDuplicates,
                       o.exclusionRules, o.pauseEvery, o.pauseFor, o.retries, o.saveSentItems,
                       o.saveTemplates,  o.clockFactor});
    parser.addOptions({o.fast, o.resendUnconfirmed, o.nationalLanguages});
    parser.addOptions({o.deliveryReports, o.waitReports});
    o.resume = QCommandLineOption(
        "resume", tr("Take up the run that stopped without reaching its end (a crash, a power "
                     "cut, a kill) from its journal: its rows and options, no --file. Rows with "
                     "an outcome keep it; rows whose submission was under way get \"Error : "
                     "Outcome unknown (the program stopped during the submission).\"."));
    o.resendUnknown = QCommandLineOption(
        "resend-unknown", tr("With --resume: send the rows whose outcome is unknown again (they "
                             "may have been sent already)."));
    parser.addOptions({o.resume, o.resendUnknown});
    o.optOut = QCommandLineOption(
        "opt-out", tr("Add numbers that reply STOP to an exclusion list: replies are read "
                      "between submissions and later rows to such a number end \"Excluded.\"."));
    o.optOutKeywords = QCommandLineOption(
        "opt-out-keywords",
        tr("The replies that opt out, comma-separated, each matched as a whole message with "
           "letter case and surrounding blanks ignored (default \"%1\").")
            .arg(OptOutSettings::defaultKeywords().join(u',')),
        tr("LIST"));
    o.optOutList = QCommandLineOption(
        "opt-out-list",
        tr("The exclusion list the numbers go to, created (and put in use) when missing "
           "(default \"%1\").")
            .arg(OptOutSettings::defaultListName()),
        tr("NAME"));
    parser.addOptions({o.optOut, o.optOutKeywords, o.optOutList});
    return o;
}

QString SendCommandOptions::helpText(const QCommandLineParser& parser)
{
    return SubcommandHelpText(
        parser, tr("Usage: quillon-cli send (--file FILE | --resume) (--port COM<n>... | --all) "
                   "[OPTIONS]"));
}

QString SendSettings::read(const QCommandLineParser& parser, const SendCommandOptions& o,
                           bool needsFile)
{
    file = parser.value(o.file);
    resume = parser.isSet(o.resume);
    resendUnknown = parser.isSet(o.resendUnknown);
    if (resendUnknown && !resume)
        return tr("--resend-unknown needs --resume.");
    if (resume && !file.isEmpty())
        return tr("--resume takes the rows from the journal: give no --file.");
    if (file.isEmpty() && !resume && needsFile)
        return tr("--file FILE is required.");
    hasMessage = parser.isSet(o.message);
    message = parser.value(o.message);
    for (auto [option, value] :
         {std::pair{&o.sheet, &sheet}, std::pair{&o.numberColumn, &numberColumn},
          std::pair{&o.messageColumn, &messageColumn}}) {
        bool numeric = false;
        *value = parser.value(*option).toInt(&numeric);
        if (!numeric || *value < 1)
            return tr("--%1 takes a number from 1.").arg(option->names().first());
    }
    for (const QString& text : parser.values(o.port)) {
        const std::optional<int> port = parsePortText(text);
        if (!port)
            return tr("--port \"%1\" is not COM<n> with n from 1 to 512.").arg(text);
        if (!ports.contains(*port))
            ports.append(*port);
    }
    allPorts = parser.isSet(o.all);
    if (ports.isEmpty() == !allPorts)
        return tr("Give either --port COM<n> (repeatable) or --all.");
    if (ports.size() > 32)
        return tr("At most 32 ports can send at once.");

    QMap<int, QString> texts;
    if (!readPortValues(parser.values(o.mode), texts))
        return tr("--mode takes COM<n>=pdu or COM<n>=text.");
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (it.value() != u"pdu" && it.value() != u"text")
            return tr("--mode takes COM<n>=pdu or COM<n>=text.");
        modes.insert(it.key(), it.value() == u"pdu" ? 1 : 2);
    }
    if (!readPortValues(parser.values(o.smsc), smscs))
        return tr("--smsc takes COM<n>=NUMBER.");
    for (const QString& number : smscs)
        if (basicIsInvalidNumber(number))
            return tr("--smsc \"%1\" is not a phone number.").arg(number);
    texts.clear();
    if (!readPortValues(parser.values(o.quota), texts))
        return tr("--quota takes COM<n>=N.");
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        bool numeric = false;
        const int quota = it.value().toInt(&numeric);
        if (!numeric || quota < 0)
            return tr("--quota takes COM<n>=N with N a count.");
        quotas.insert(it.key(), quota);
    }

    const QString type = parser.value(o.type);
    if (type != u"standard" && type != u"notification")
        return tr("--type is standard or notification.");
    flash = type == u"notification";
    unicode = parser.isSet(o.unicode);
    nationalLanguages = parser.isSet(o.nationalLanguages);
    fast = parser.isSet(o.fast);
    deliveryReports = parser.isSet(o.deliveryReports);
    if (parser.isSet(o.waitReports)) {
        bool number = false;
        waitReportsSeconds = parser.value(o.waitReports).toInt(&number);
        if (!number || waitReportsSeconds < 0 || waitReportsSeconds > 7 * 24 * 3600)
            return tr("--wait-reports takes a number of seconds from 0 to 604800.");
        if (!deliveryReports)
            return tr("--wait-reports needs --delivery-reports.");
    }
    resendUnconfirmed = parser.isSet(o.resendUnconfirmed);
    optOut.enabled = parser.isSet(o.optOut);
    if (parser.isSet(o.optOutKeywords)) {
        optOut.keywords.clear();
        for (const QString& keyword : parser.value(o.optOutKeywords).split(u','))
            if (!keyword.trimmed().isEmpty())
                optOut.keywords.append(keyword.trimmed());
        if (optOut.keywords.isEmpty())
            return tr("--opt-out-keywords takes at least one keyword.");
    }
    if (parser.isSet(o.optOutList)) {
        optOut.listName = parser.value(o.optOutList).trimmed();
        if (optOut.listName.isEmpty() || optOut.listName.size() > 50 ||
            !IsReservedFileName(optOut.listName)) // true: the name may be a file name
            return tr("--opt-out-list \"%1\" cannot be a list name.").arg(optOut.listName);
    }
    if ((parser.isSet(o.optOutKeywords) || parser.isSet(o.optOutList)) && !optOut.enabled)
        return tr("--opt-out-keywords and --opt-out-list need --opt-out.");
    const QString nonGsmText = parser.value(o.nonGsm);
    if (nonGsmText == u"unicode")
        nonGsm = NonGsm::Unicode;
    else if (nonGsmText == u"replace")
        nonGsm = NonGsm::Replace;
    else if (nonGsmText != u"refuse")
        return tr("--non-gsm is unicode, replace or refuse.");
    skipDuplicates = parser.isSet(o.skipDuplicates);
    useExclusionRules = parser.isSet(o.exclusionRules);
    pauseEvery = parser.value(o.pauseEvery);
    pauseFor = parser.value(o.pauseFor);
    if (pauseEvery.isEmpty() != pauseFor.isEmpty())
        return tr("--pause-every and --pause-for go together.");
    if (parser.isSet(o.retries)) {
        bool numeric = false;
        retries = parser.value(o.retries).toInt(&numeric);
        if (!numeric || retries < 1 || retries > 10)
            return tr("--retries takes a number from 1 to 10.");
    }
    saveSentItems = parser.isSet(o.saveSentItems);
    saveToTemplates = parser.isSet(o.saveTemplates);
    bool numeric = false;
    clockFactor = parser.value(o.clockFactor).toUInt(&numeric);
    if (!numeric || clockFactor == 0)
        return tr("--clock-factor takes a positive number.");
    return {};
}

QString SendSettings::journalOptions() const
{
    QUrlQuery query;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    query.addQueryItem("retries", QString::number(retries));
    query.addQueryItem("skip-duplicates", flag(skipDuplicates));
    query.addQueryItem("use-exclusion-rules", flag(useExclusionRules));
    query.addQueryItem("save-sent-items", flag(saveSentItems));
    query.addQueryItem("save-to-templates", flag(saveToTemplates));
    query.addQueryItem("unicode", flag(unicode));
    query.addQueryItem("notification", flag(flash));
    query.addQueryItem("fast", flag(fast));
    query.addQueryItem("delivery-reports", flag(deliveryReports));
    query.addQueryItem("non-gsm", nonGsm == NonGsm::Unicode   ? QStringLiteral("unicode")
                                  : nonGsm == NonGsm::Replace ? QStringLiteral("replace")
                                                              : QStringLiteral("refuse"));
    query.addQueryItem("pause-every", pauseEvery);
    query.addQueryItem("pause-for", pauseFor);
    return query.toString(QUrl::FullyEncoded);
}

void SendSettings::applyJournalOptions(const QString& text)
{
    const QUrlQuery query(text);
    const auto flag = [&](const char* key, bool& value) {
        if (query.hasQueryItem(key))
            value = query.queryItemValue(key) == u"1";
    };
    if (query.hasQueryItem("retries"))
        retries = std::clamp(query.queryItemValue("retries").toInt(), 0, 10);
    flag("skip-duplicates", skipDuplicates);
    flag("use-exclusion-rules", useExclusionRules);
    flag("save-sent-items", saveSentItems);
    flag("save-to-templates", saveToTemplates);
    flag("unicode", unicode);
    flag("notification", flash);
    flag("fast", fast);
    flag("delivery-reports", deliveryReports);
    const QString mode = query.queryItemValue("non-gsm");
    nonGsm = mode == u"unicode"   ? NonGsm::Unicode
             : mode == u"replace" ? NonGsm::Replace
                                  : NonGsm::Refuse;
    pauseEvery = query.queryItemValue("pause-every", QUrl::FullyDecoded);
    pauseFor = query.queryItemValue("pause-for", QUrl::FullyDecoded);
    if (pauseEvery.isEmpty() != pauseFor.isEmpty())
        pauseEvery.clear(), pauseFor.clear();
}

void StreamPrompter::inform(const QString& caption, const QString& text, Icon)
{
    m_err << caption << ": " << text << '\n' << Qt::flush;
}

SendSession::SendSession(const SendSettings& settings, const DataFolder& data, const Clock& clock)
    : m_settings(settings), m_data(data), m_clock(clock), m_ports(PortMap::fromEnvironment()),
      m_channels(m_ports, clock),
      m_submitter(clock, m_references, &m_sendOptions, &m_devices.details()), m_sentItems(data),
      m_templateStore(data), m_templates(m_templateStore), m_reportStore(data), m_journal(data),
      m_inbox(data)
{
    m_options.skipDuplicates = settings.skipDuplicates;
    m_options.useExclusionRules = settings.useExclusionRules;
    m_options.delayedDelivery = !settings.pauseEvery.isEmpty();
    m_options.retriesOn = settings.retries > 0;
    m_options.saveSentItems = settings.saveSentItems;
    m_options.saveToTemplates = settings.saveToTemplates;
    m_options.quotaManagement = !settings.quotas.isEmpty();
    m_sendOptions.setFlash(settings.flash);
    m_sendOptions.setUnicode(settings.unicode);
    m_sendOptions.setNationalLanguages(settings.nationalLanguages);
    m_sendOptions.setFast(settings.fast);
    m_sendOptions.setDeliveryReports(settings.deliveryReports);
    m_state.setPauseTexts(settings.pauseEvery, settings.pauseFor);
    m_state.RetryLimit = settings.retries;
}

QString SendSession::loadRecipients(QTextStream& err)
{
    ImportNotice refusal;
    const std::optional<ImportFileKind> kind = CheckImportPath(m_settings.file, &refusal);
    const bool workbook = kind == ImportFileKind::Excel;
    QString error;
    if (workbook || m_settings.hasMessage) {
        RecipientBatch batch(m_recipients);
        error = kind ? readImported(workbook, batch) : refusal.text;
        if (error.isEmpty())
            InsertBatchAtTop(m_recipients, batch);
    } else {
        std::vector<RecipientRow> rows;
        error = readTabSeparated(rows, err);
        m_recipients.insertRecipients(0, std::move(rows));
    }
    if (!error.isEmpty())
        return error;
    if (m_recipients.isEmpty())
        return tr("%1 holds no recipient").arg(m_settings.file);
    if (m_settings.useExclusionRules)
        LoadExclusionSet(m_exclusions, true, m_data, m_prompter);
    if (m_settings.saveToTemplates)
        m_templates.reload();
    return {};
}

QString SendSession::loadJournalRows(const RunJournalContent& journal, QTextStream& out)
{
    if (!journal.isUnfinished())
        return tr("the journal holds no unfinished run to resume");
    std::vector<SentItem> sinceBegin;
    if (m_settings.saveSentItems) {
        std::vector<SentItem> records;
        m_sentItems.Load(records);
        const auto skip =
            std::min<std::size_t>(records.size(), std::size_t(journal.begin->sentItemsBefore));
        sinceBegin.assign(std::make_move_iterator(records.begin() + qsizetype(skip)),
                          std::make_move_iterator(records.end()));
    }
    m_resume = PlanResume(journal, m_settings.resendUnknown, sinceBegin);
    std::vector<RecipientRow> rows;
    rows.reserve(journal.rows.size());
    for (const JournalRowState& row : journal.rows)
        rows.push_back({row.number, row.text});
    m_recipients.insertRecipients(0, std::move(rows));
    if (m_settings.useExclusionRules)
        LoadExclusionSet(m_exclusions, true, m_data, m_prompter);
    if (m_settings.saveToTemplates)
        m_templates.reload();
    const int rowCount = int(m_resume->rows.size());
    out << tr("Resuming run %1: %2 rows, %3 with an outcome, %4 of them unknown, %5 to send; "
              "%6 sent-item records missing, %7 found written.")
               .arg(journal.begin->run)
               .arg(rowCount)
               .arg(m_resume->doneRows)
               .arg(m_resume->unknown.size())
               .arg(rowCount - m_resume->doneRows)
               .arg(m_resume->toLog.size())
               .arg(m_resume->alreadyLogged.size())
        << '\n'
        << Qt::flush;
    return {};
}

void SendSession::recordRun()
{
    JournalRecorder::Setup setup;
    setup.options = m_settings.journalOptions();
    setup.resuming = m_resume.has_value();
    setup.run = quint64(QDateTime::currentMSecsSinceEpoch());
    if (m_settings.saveSentItems)
        setup.countSentItems = [this] {
            std::vector<SentItem> records;
            m_sentItems.Load(records);
            return qint64(records.size());
        };
    m_recorder =
        std::make_unique<JournalRecorder>(m_journal, std::move(setup), [](const QString& text) {
            // From any of the run's threads: one whole line, through stdio's own lock.
            std::fprintf(stderr, "quillon-cli send: %s\n", text.toLocal8Bit().constData());
        });
}

QString SendSession::resolveNonGsmRows(QTextStream& err)
{
    if (m_settings.unicode)
        return {};
    const NonGsmRows found = findNonGsmRows(m_recipients, m_settings.nationalLanguages);
    if (found.isEmpty())
        return {};
    const QString rows = describeNonGsmRows(found);
    switch (m_settings.nonGsm) {
    case SendSettings::NonGsm::Refuse:
        return rows + tr("; nothing sent. Send them with --non-gsm unicode or --non-gsm replace.");
    case SendSettings::NonGsm::Unicode:
        m_sendOptions.setUnicode(true);
        err << rows
            << tr("; sent as Unicode: %1 SMS in place of %2.")
                   .arg(found.unicodeParts)
                   .arg(found.gsmParts)
            << '\n';
        break;
    case SendSettings::NonGsm::Replace:
        replaceNonGsmCharacters(m_recipients, found.rows);
        err << rows
            << tr("; sent with the nearest GSM letters (%1 without one as \"?\").")
                   .arg(found.unknown)
            << '\n';
        break;
    }
    err << Qt::flush;
    return {};
}

// The import's readers. Duplicates and exclusions are left to the run, which marks them.
QString SendSession::readImported(bool workbook, RecipientBatch& batch) const
{
    const NumberCheckOptions options;
    if (!workbook) {
        if (const std::optional<ImportNotice> refused = CheckTextFile(m_settings.file))
            return refused->text;
        ReadTextNumbers(m_settings.file, batch, m_settings.message, options);
        return {};
    }
    SpreadsheetReader reader;
    if (!reader.open(m_settings.file).ok())
        return ImportText::openFailed().text;
    ImportNotice failure;
    const SheetTable* sheet = ReadImportSheet(reader, m_settings.sheet - 1, &failure);
    if (!sheet)
        return failure.text;
    if (ImportNumbersAndMessages(*sheet, m_settings.numberColumn, m_settings.messageColumn, batch,
                                 options) == SheetReadEnd::Discarded)
        return ImportText::readingDiscarded().text;
    return {};
}

QString SendSession::readTabSeparated(std::vector<RecipientRow>& rows, QTextStream& err) const
{
    QFile file(m_settings.file);
    if (!file.open(QIODevice::ReadOnly))
        return tr("cannot read %1: %2").arg(m_settings.file, file.errorString());
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        QString line = QString::fromUtf8(file.readLine());
        while (line.endsWith(u'\n') || line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        const QString number = (tab < 0 ? line : line.left(tab)).trimmed();
        if (basicIsInvalidNumber(number)) {
            err << tr("line %1: \"%2\" is not a phone number; skipped").arg(lineNumber).arg(number)
                << '\n'
                << Qt::flush;
            continue;
        }
        rows.push_back({number, tab < 0 ? QString() : line.mid(tab + 1)});
    }
    return {};
}

std::optional<SendSession::Confirmed> SendSession::confirm(int port, QTextStream& err)
{
    const QString portText = portTextOf(port);
    CSMSSerialPort channel(m_ports, m_clock);
    try {
        channel.Open(port, ModemTimeoutMs);
        if (!ProbeModem(channel)) {
            err << tr("%1: no modem answers").arg(portText) << '\n' << Qt::flush;
            return std::nullopt;
        }
        ResetModemStream(channel);
        const QString information = QueryDeviceInformation(channel);
        const QString model = GetDetailValue(information, QStringLiteral("Model :"));
        const QString description = model.isEmpty()
                                        ? QStringLiteral("Unknown Device on %1").arg(portText)
                                        : model + QStringLiteral(" Modem at ") + portText;
        m_devices.details().append(portText, deviceDetailsText(portText, description, information));
        const QString supported =
            GetDetailValue(information, QStringLiteral("Supported SMS Mode :"));
        const int mode = m_settings.modes.value(port, supported.contains(u"PDU") ? 1 : 2);
        return Confirmed{port, portText + QStringLiteral(" - ") + description, mode};
    } catch (const CSMSException& error) {
        err << portText << ": " << error.GetErrorMessage() << '\n' << Qt::flush;
        return std::nullopt;
    }
}

QString SendSession::confirmDevices(QTextStream& err)
{
    QList<int> ports = m_settings.ports;
    if (m_settings.allPorts)
        for (int port : m_ports.existingPorts())
            ports.append(port);
    QList<Confirmed> confirmed;
    for (int port : ports) {
        const auto device = confirm(port, err);
        if (!device && !m_settings.allPorts)
            return tr("%1 cannot send").arg(portTextOf(port));
        if (device && confirmed.size() < 32)
            confirmed.append(*device);
    }
    if (confirmed.isEmpty())
        return tr("no modem to send with");
    fillDeviceState(confirmed);
    return {};
}

void SendSession::fillDeviceState(const QList<Confirmed>& confirmed)
{
    QList<DeviceChoice> choices;
    QList<int> modes;
    QStringList labels;
    QStringList smscList;
    QString records;
    for (const Confirmed& device : confirmed) {
        const QString portText = portTextOf(device.port);
        choices.append({device.label, device.port});
        modes.append(device.mode);
        labels.append(device.label);
        const QString smsc = m_settings.smscs.value(device.port);
        smscList.append(portText + QStringLiteral("||") + smsc +
                        (smsc.isEmpty() ? QStringLiteral("||N") : QStringLiteral("||Y")));
        const bool manual = m_settings.quotas.contains(device.port);
        const QString quota =
            manual ? QString::number(m_settings.quotas.value(device.port)) : QStringLiteral("Auto");
        records += DeviceRecordLine({portText, device.label.mid(portText.size() + 3),
                                     manual ? QStringLiteral("Manual") : QStringLiteral("Auto"),
                                     quota, QStringLiteral("Y")});
    }
    if (choices.size() > 1) {
        choices.append({AllDeviceText(), 0});
        modes.append(0);
    }
    // On the quota path "All Device" follows even one device, as the send preparation does.
    if (labels.size() > 1 || m_options.quotaManagement)
        labels.append(AllDeviceText());
    m_devices.setChoiceList(choices, int(choices.size()) - 1);
    m_devices.setDeviceModeList(modes);
    m_devices.setCustomSmscList(smscList);
    m_devices.setDeviceRecordText(records + u'\n');
    m_devices.setDeviceCount(int(confirmed.size()));
    m_devices.setQuotaTotalMessages(m_recipients.count());
    m_devices.setDeviceList(labels, int(labels.size()) - 1);
}

SendingContext SendSession::context()
{
    return context(m_submitter);
}

void SendSession::replaceRecipients(std::vector<RecipientRow> rows, bool flash, bool unicode)
{
    m_recipients.clear();
    m_recipients.insertRecipients(0, std::move(rows));
    m_sendOptions.setFlash(flash);
    m_sendOptions.setUnicode(unicode);
    m_devices.setQuotaTotalMessages(m_recipients.count());
    m_options.settleWhenFinished = true; // one run after another, none of them on a screen
    // Status reports a modem prints between two runs would be lost with its channel.
    m_options.keepOpenChannels = m_settings.deliveryReports;
    if (m_settings.useExclusionRules && !m_exclusionsLoaded) {
        LoadExclusionSet(m_exclusions, true, m_data, m_prompter);
        m_exclusionsLoaded = true;
    }
}

SendingContext SendSession::context(MessageSubmitter& submitter)
{
    SendingContext context{m_state, m_options,  m_devices,    m_channels,  submitter,
                           m_clock, m_prompter, m_recipients, m_exclusions};
    context.sentItems = &m_sentItems;
    context.templates = &m_templates;
    context.journal = m_recorder.get();
    context.resume = m_resume ? &*m_resume : nullptr;
    context.deliveries = deliveryTracker();
    context.deliveryRowBase = m_deliveryRowBase;
    context.optOut = optOutWatch();
    context.inbox = &m_inbox;
    return context;
}

DeliveryTracker* SendSession::deliveryTracker()
{
    if (m_settings.deliveryReports && !m_deliveries)
        m_deliveries = std::make_unique<DeliveryTracker>(&m_reportStore);
    return m_deliveries.get();
}

OptOutWatch* SendSession::optOutWatch()
{
    if (m_settings.optOut.enabled && !m_optOut)
        m_optOut = std::make_unique<OptOutWatch>(m_inbox, m_data, m_settings.optOut);
    return m_optOut.get();
}

QStringList SendSession::optedOut() const
{
    return m_optOut ? m_optOut->optedOut() : QStringList();
}

QStringList SendSession::waitForReports(int rowCount, int seconds,
                                        const std::function<bool()>& stop)
{
    QStringList texts;
    if (!m_deliveries)
        return texts;
    // The finished run keeps looking at the modems; this only waits for what it finds.
    constexpr std::uint32_t CheckMs = 250;
    for (qint64 waited = 0;
         m_deliveries->pendingParts() > 0 && !stop() && waited < qint64(seconds) * 1000;
         waited += CheckMs)
        m_clock.sleepMs(CheckMs);
    for (int row = 0; row < rowCount; ++row) {
        const auto delivery = m_deliveries->rowDelivery(row);
        texts.append(delivery ? deliveryText(*delivery) : QString());
    }
    return texts;
}
