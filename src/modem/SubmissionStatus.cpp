#include "modem/SubmissionStatus.h"

#include "base/StatusTexts.h"
#include "modem/CSMSException.h"

QString submissionStatusText(SubmissionOutcome outcome)
{
    return outcome == SubmissionOutcome::Stopped ? QString::fromLatin1(StoppedStatusText)
                                                 : StatusTexts::sentStatus();
}

QString submissionStatusText(const CSMSException& error)
{
    const QString text = GetModemErrorText(error);
    if (text.trimmed().isEmpty())
        return StatusTexts::sentStatus();
    const QString status = QStringLiteral("Error : ") + text;
    if (status == u"Error : The operation completed successfully.")
        return StatusTexts::sentStatus();
    // Says what the user must know: the message may be on the air.
    if (isUnconfirmed(error))
        return status;
    if (!status.contains(u"+CMS ERROR") && !status.contains(u"+CME ERROR"))
        return QStringLiteral("Error : +CMS ERROR: 500");
    return status;
}
