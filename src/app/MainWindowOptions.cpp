#include "app/MainWindowOptions.h"

#include "modem/SendOptions.h"
#include "sending/RunOptions.h"

QStringList MessageTypeChoices()
{
    return {QLatin1String(SendOptions::NotificationType), QLatin1String(SendOptions::StandardType)};
}

QStringList PauseEveryChoices()
{
    return {"1",  "2",   "3",   "4",   "5",   "10",  "15",  "20",  "25",  "50",
            "75", "100", "150", "200", "250", "300", "400", "500", "1000"};
}

QStringList PauseForChoices()
{
    QStringList choices{QStringLiteral(" 5  Seconds")};
    for (int seconds = 10; seconds <= 55; seconds += 5)
        choices.append(QStringLiteral("%1 Seconds").arg(seconds));
    choices.append(QStringLiteral(" 1  Minute"));
    for (int minutes = 2; minutes <= 9; ++minutes)
        choices.append(QStringLiteral(" %1  Minutes").arg(minutes));
    for (int minutes = 10; minutes <= 50; minutes += 10)
        choices.append(QStringLiteral("%1 Minutes").arg(minutes));
    choices << QStringLiteral(" 1  Hour") << QStringLiteral(" 2  Hours")
            << QStringLiteral(" 4  Hours") << QStringLiteral(" 5  Hours")
            << QStringLiteral(" 8  Hours") << QStringLiteral("10 Hours")
            << QStringLiteral("12 Hours");
    return choices;
}

QStringList RetryCountChoices()
{
    QStringList choices;
    for (int count = 1; count <= 10; ++count)
        choices.append(QString::number(count));
    return choices;
}

MainWindowOptions MainWindowOptions::afterReset() const
{
    MainWindowOptions reset;
    reset.quotaManagement = quotaManagement;
    return reset;
}

OptOutSettings optOutSettingsOf(const MainWindowOptions& options)
{
    OptOutSettings settings;
    settings.enabled = options.optOut;
    settings.keywords = options.optOutKeywords;
    settings.listName = options.optOutList;
    return settings;
}

void PublishOptions(const MainWindowOptions& options, RunOptions& run, SendOptions& send)
{
    send.setMessageType(options.messageType);
    send.setUnicode(options.unicode);
    send.setFast(options.fastSending);
    send.setDeliveryReports(options.deliveryReports);
    send.setNationalLanguages(options.nationalLanguages);
    run.skipDuplicates = options.skipDuplicates;
    run.useExclusionRules = options.useExclusionRules;
    run.delayedDelivery = options.delayedDelivery;
    run.retriesOn = options.retriesOn;
    run.saveSentItems = options.saveSentItems;
    run.saveToTemplates = options.saveToTemplates;
    run.clearAfterSending = options.clearAfterSending;
    run.quotaManagement = options.quotaManagement;
}
