#include "app/ComposerWarning.h"

#include "modem/GsmLookalikes.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int CharactersNamed = 6;

} // namespace

QString ComposerCharacterWarning(const QString& composer, bool unicode)
{
    if (unicode)
        return {};
    const QStringList characters = nonGsmCharacters(composer);
    if (characters.isEmpty())
        return {};
    QStringList shown;
    for (const QString& character : characters.mid(0, CharactersNamed))
        shown.append(shownCharacter(character));
    if (characters.size() > CharactersNamed)
        shown.append(QStringLiteral("..."));
    return QCoreApplication::translate("ComposerWarning",
                                       "Not in the GSM alphabet: %1 (tick Unicode support or "
                                       "replace them)")
        .arg(shown.join(u' '));
}
