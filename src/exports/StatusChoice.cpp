#include "exports/StatusChoice.h"

#include "base/Prompter.h"
#include "base/StatusTexts.h"

QString StatusChoiceCode(StatusChoice choice)
{
    switch (choice) {
    case StatusChoice::All:
        return QStringLiteral("ALL");
    case StatusChoice::Succeeded:
        return QStringLiteral("SUC");
    case StatusChoice::Failed:
        return QStringLiteral("FAL");
    }
    return {};
}

bool MatchesStatusChoice(StatusChoice choice, const QString& status)
{
    switch (choice) {
    case StatusChoice::All:
        return true;
    case StatusChoice::Succeeded:
        return StatusTexts::isSentStatus(status);
    case StatusChoice::Failed:
        return status.contains(QLatin1String("Error"));
    }
    return false;
}

bool CheckStatusChoice(Prompter& prompter, StatusChoice choice, qsizetype count,
                       const std::function<QString(qsizetype)>& statusAt)
{
    for (qsizetype i = 0; i < count; ++i) {
        if (MatchesStatusChoice(choice, statusAt(i)))
            return true;
    }
    prompter.inform(
        QCoreApplication::translate("Export", "Message"),
        QCoreApplication::translate("Export", "There is no item for selected Export Option."),
        Prompter::Icon::Information);
    return false;
}
