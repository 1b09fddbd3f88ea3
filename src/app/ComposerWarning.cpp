#include "app/ComposerWarning.h"

#include "modem/GsmLookalikes.h"

#include <QCoreApplication>
#include <QStringList>

QString ComposerCharacterWarning(const QString& composer, bool unicode)
{
    if (unicode)
        return {};
    const QStringList characters = nonGsmCharacters(composer);
    if (characters.isEmpty())
        return {};
    return QCoreApplication::translate("ComposerWarning",
                                       "Not in the GSM alphabet: %1 (tick \"Enable non-English "
                                       "(Unicode) characters support\" or replace them)")
        .arg(namedCharacters(characters));
}
