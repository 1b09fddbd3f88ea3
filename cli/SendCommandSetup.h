#pragma once

#include "base/Prompter.h"
#include "devices/DeviceState.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/PortMap.h"
#include "modem/SendOptions.h"
#include "recipients/RecipientBatch.h"
#include "recipients/RecipientList.h"
#include "sending/DeliveryTracker.h"
#include "sending/JournalRecorder.h"
#include "sending/ModemChannelTable.h"
#include "sending/ModemSubmitter.h"
#include "sending/OptOutWatch.h"
#include "sending/ResumePlan.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"
#include "sending/SendingContext.h"
#include "sending/SentTemplates.h"
#include "stores/DeliveryReportStore.h"
#include "stores/InboxStore.h"
#include "stores/OptOutReplies.h"
#include "stores/RunJournal.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QMap>
#include <QTextStream>
#include <memory>

class Clock;
class DataFolder;

// The options of "quillon-cli send", one for every main-window option a sending run reads.
struct SendCommandOptions
{
    QCommandLineOption help{QStringList{"h", "help"}};
    QCommandLineOption file{"file"};
    QCommandLineOption message{"message"};
    QCommandLineOption sheet{"sheet"};
    QCommandLineOption numberColumn{"number-column"};
    QCommandLineOption messageColumn{"message-column"};
    QCommandLineOption port{"port"};
    QCommandLineOption all{"all"};
    QCommandLineOption mode{"mode"};
    QCommandLineOption smsc{"smsc"};
    QCommandLineOption quota{"quota"};
    QCommandLineOption type{"type"};
    QCommandLineOption unicode{"unicode"};
    QCommandLineOption nationalLanguages{"national-languages"};
    QCommandLineOption fast{"fast"};
    QCommandLineOption deliveryReports{"delivery-reports"};
    QCommandLineOption waitReports{"wait-reports"};
    QCommandLineOption optOut{"opt-out"};
    QCommandLineOption optOutKeywords{"opt-out-keywords"};
    QCommandLineOption optOutList{"opt-out-list"};
    QCommandLineOption resendUnconfirmed{"resend-unconfirmed"};
    QCommandLineOption nonGsm{"non-gsm"};
    QCommandLineOption skipDuplicates{"skip-duplicates"};
    QCommandLineOption exclusionRules{"use-exclusion-rules"};
    QCommandLineOption pauseEvery{"pause-every"};
    QCommandLineOption pauseFor{"pause-for"};
    QCommandLineOption retries{"retries"};
    QCommandLineOption saveSentItems{"save-sent-items"};
    QCommandLineOption saveTemplates{"save-to-templates"};
    QCommandLineOption clockFactor{"clock-factor"};
    QCommandLineOption resume{"resume"};
    QCommandLineOption resendUnknown{"resend-unknown"};

    static SendCommandOptions declare(QCommandLineParser& parser);
    static QString helpText(const QCommandLineParser& parser);
};

// What the options say, checked.
struct SendSettings
{
    QString file;
    QString message; // the composer text for a file of numbers only
    bool hasMessage = false;
    int sheet = 1; // workbooks: sheet, number column and message column, from 1
    int numberColumn = 1;
    int messageColumn = 2;
    QList<int> ports; // empty with --all
    bool allPorts = false;
    QMap<int, int> modes;     // port to 1 (PDU) or 2 (text)
    QMap<int, QString> smscs; // port to custom SMSC
    QMap<int, int> quotas;    // port to manual quota
    bool flash = false;
    bool unicode = false;
    bool nationalLanguages = false;
    bool fast = false;
    bool deliveryReports = false;
    int waitReportsSeconds = 0; // after the run, how long to wait for outstanding reports
    bool resendUnconfirmed = false;
    OptOutSettings optOut; // "Add numbers that reply STOP to an exclusion list"
    // Rows the GSM alphabet cannot carry while Unicode is off: refused (nothing is sent), sent
    // as Unicode, or sent with their nearest GSM letters.
    enum class NonGsm
    {
        Refuse,
        Unicode,
        Replace
    };
    NonGsm nonGsm = NonGsm::Refuse;
    bool skipDuplicates = false;
    bool useExclusionRules = false;
    QString pauseEvery, pauseFor;
    int retries = 0;
    bool saveSentItems = false;
    bool saveToTemplates = false;
    unsigned clockFactor = 1;
    // Take up the unfinished run of the journal: its rows and options, the ports given here.
    bool resume = false;
    bool resendUnknown = false; // rows whose submission the crash cut into go again

    // An error text, empty when everything is usable. Commands that take their rows from
    // elsewhere need no --file.
    QString read(const QCommandLineParser& parser, const SendCommandOptions& options,
                 bool needsFile = true);

    // The options a resumed run sends with, as the journal keeps them, and back.
    QString journalOptions() const;
    void applyJournalOptions(const QString& text);
};

// Answers the run's questions without a user: a stop is never asked for here.
class StreamPrompter : public Prompter
{
public:
    explicit StreamPrompter(QTextStream& err) : m_err(err) {}
    void inform(const QString& caption, const QString& text, Icon) override;
    bool confirm(const QString&, const QString&, Icon) override { return true; }
    Answer askYesNoCancel(const QString&, const QString&, Icon) override { return Answer::Yes; }
    // The command line chooses with its options, never here: the way back.
    int choose(const QString&, const QString&, const QStringList& choices, Icon) override
    {
        return static_cast<int>(choices.size()) - 1;
    }

private:
    QTextStream& m_err;
};

// Everything one command-line run sends with: the recipients, the confirmed devices and the
// stores, in the shapes the sending run reads.
class SendSession
{
public:
    SendSession(const SendSettings& settings, const DataFolder& data, const Clock& clock);

    // Reads the recipients: a workbook (number and message columns) or a text file of numbers
    // as the import reads them, or "number<TAB>message" lines; an error text when the file
    // cannot be read or holds no row.
    QString loadRecipients(QTextStream& err);
    // Applies --non-gsm to rows the GSM alphabet cannot carry while Unicode is off: an error
    // text naming the rows and characters when they are refused.
    QString resolveNonGsmRows(QTextStream& err);
    // Probes the chosen ports (or every port with --all), reads their details and fills the
    // device lists and records as a confirmation of devices does.
    QString confirmDevices(QTextStream& err);
    // For --resume: the rows of the journal's unfinished run become the recipients, and the
    // plan says what each row keeps. An error text when there is no unfinished run.
    QString loadJournalRows(const RunJournalContent& journal, QTextStream& out);
    // The run records itself in the journal: a new one from the start, a resumed one from
    // where its journal ends.
    void recordRun();

    SendingContext context();
    // The same with another submitter in front of the modems' own.
    SendingContext context(MessageSubmitter& submitter);
    MessageSubmitter& modemSubmitter() { return m_submitter; }
    const RecipientList& recipients() const { return m_recipients; }

    // For a command that sends rows from elsewhere, one run after another: the rows of the next
    // run and their message kind.
    void replaceRecipients(std::vector<RecipientRow> rows, bool flash, bool unicode);
    RecipientList& recipients() { return m_recipients; }
    // The senders that opted out during the run, in order; empty without --opt-out.
    QStringList optedOut() const;
    // The tracker of every run's reports with --delivery-reports, null without.
    DeliveryTracker* deliveryTracker();
    // The replies' watch with --opt-out, null without.
    OptOutWatch* optOutWatch();
    // For one run after another on one tracker: where the next run's rows start among its rows.
    void setDeliveryRowBase(std::int64_t base) { m_deliveryRowBase = base; }

    // With --delivery-reports: waits while the finished run looks at the devices, until every
    // sent row has its final report or the seconds are over, then returns each row's delivery text
    // (empty for a row that asked for no report).
    QStringList waitForReports(int rowCount, int seconds, const std::function<bool()>& stop);

private:
    QString readTabSeparated(std::vector<RecipientRow>& rows, QTextStream& err) const;
    QString readImported(bool workbook, RecipientBatch& batch) const;

    struct Confirmed
    {
        int port;
        QString label;
        int mode;
    };
    std::optional<Confirmed> confirm(int port, QTextStream& err);
    void fillDeviceState(const QList<Confirmed>& confirmed);

    const SendSettings& m_settings;
    const DataFolder& m_data;
    const Clock& m_clock;
    PortMap m_ports;
    RunState m_state;
    RunOptions m_options;
    SendOptions m_sendOptions;
    DeviceState m_devices;
    ModemChannelTable m_channels;
    ConcatReferenceCounter m_references;
    ModemSubmitter m_submitter;
    QTextStream m_errStream{stderr};
    StreamPrompter m_prompter{m_errStream};
    RecipientList m_recipients;
    ExclusionSet m_exclusions;
    bool m_exclusionsLoaded = false; // replaceRecipients loads the lists for the first run only
    SentItemStore m_sentItems;
    TemplateStore m_templateStore;
    SentTemplates m_templates;
    DeliveryReportStore m_reportStore;
    std::unique_ptr<DeliveryTracker> m_deliveries;
    RunJournal m_journal;
    std::unique_ptr<JournalRecorder> m_recorder;
    std::optional<ResumePlan> m_resume;
    InboxStore m_inbox;
    std::unique_ptr<OptOutWatch> m_optOut;
    std::int64_t m_deliveryRowBase = 0;
};
