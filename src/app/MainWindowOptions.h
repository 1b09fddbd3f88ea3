#pragma once

#include "stores/OptOutReplies.h"

#include <QString>
#include <QStringList>

struct RunOptions;
class SendOptions;

// The entries of the main window's option lists, in the order they are offered.
QStringList MessageTypeChoices();
QStringList PauseEveryChoices();
QStringList PauseForChoices();
QStringList RetryCountChoices();

// The state of the main window's option controls. An empty list text means nothing is chosen.
struct MainWindowOptions
{
    QString messageType = QStringLiteral("Standard SMS");
    bool unicode = false;           // "Enable non-English (Unicode) characters support"
    bool skipDuplicates = false;    // "Skip Duplicate Numbers"
    bool delayedDelivery = false;   // "Delayed Delivery Option"
    QString pauseEvery;             // "Pause every" N "SMS"
    QString pauseFor;               // "for" T
    bool fastSending = false;       // "Send as fast as each modem answers"
    bool deliveryReports = false;   // "Request delivery reports"
    bool nationalLanguages = false; // "Use national language tables where they save parts"
    bool retriesOn = false;         // "Retry attempts on Failed SMS"
    QString retryCount;             // "1" to "10"
    bool useExclusionRules = false; // "Use Exclusion Rules"
    bool saveSentItems = false;     // "Save Sent Items"
    bool saveToTemplates = false;   // "Save sent message to Templates"
    bool clearAfterSending = false; // "Clear all fields after sending SMS"
    bool quotaManagement = false;   // the box beside "Click here Quota Management"
    // "Add numbers that reply STOP to an exclusion list", its keywords and the list.
    bool optOut = false;
    QStringList optOutKeywords = OptOutSettings::defaultKeywords();
    QString optOutList = OptOutSettings::defaultListName();

    bool operator==(const MainWindowOptions&) const = default;

    // Every option of the window turned off, the lists cleared; the quota box is kept, since
    // it belongs to the quota assignment rather than to the sending options.
    MainWindowOptions afterReset() const;
};

// The opt-out settings the options give a run.
OptOutSettings optOutSettingsOf(const MainWindowOptions& options);

// Copies the options into what the sending side and the modem layer read while they act.
void PublishOptions(const MainWindowOptions& options, RunOptions& run, SendOptions& send);
