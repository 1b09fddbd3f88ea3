#include "sending/NonGsmRows.h"

#include "base/Prompter.h"
#include "modem/GsmLookalikes.h"
#include "modem/PduSubmission.h"
#include "recipients/RecipientList.h"

namespace {

constexpr int RowsNamed = 10;

QString tr(const char* text)
{
    return QCoreApplication::translate("NonGsmRows", text);
}

int partCount(const QString& text, const QString& number, bool unicode, bool nationalLanguages)
{
    PduOptions options;
    options.unicode = unicode;
    options.nationalLanguages = nationalLanguages;
    const auto submission = encodeMessagePdus(text, number, QString(), 0, options);
    return submission ? static_cast<int>(submission->pdus.size()) : MaxConcatenatedParts + 1;
}

QString firstOf(const QStringList& items, int count, const QString& separator)
{
    QStringList named = items.mid(0, count);
    if (items.size() > count)
        named.append(QStringLiteral("..."));
    return named.join(separator);
}

} // namespace

NonGsmRows findNonGsmRows(const RecipientList& list, bool nationalLanguages)
{
    NonGsmRows found;
    for (int i = 0; i < list.count(); ++i) {
        const RecipientRow& row = list.at(i);
        const QStringList characters = nonGsmCharacters(row.Message);
        if (characters.isEmpty())
            continue;
        found.rows.append(i);
        for (const QString& character : characters)
            if (!found.characters.contains(character))
                found.characters.append(character);
        found.unknown += replaceWithNearestGsm(row.Message).unknown;
        found.gsmParts += partCount(row.Message, row.Number, false, false);
        found.unicodeParts += partCount(row.Message, row.Number, true, nationalLanguages);
    }
    return found;
}

QString describeNonGsmRows(const NonGsmRows& found)
{
    QStringList rows;
    for (const int row : found.rows)
        rows.append(QString::number(row + 1));
    const QString rowText = firstOf(rows, RowsNamed, QStringLiteral(", "));
    const QString characterText = namedCharacters(found.characters);
    if (found.rows.size() == 1)
        return tr("1 row (%1) holds characters the GSM alphabet cannot carry: %2")
            .arg(rowText, characterText);
    return tr("%1 rows (%2) hold characters the GSM alphabet cannot carry: %3")
        .arg(QString::number(found.rows.size()), rowText, characterText);
}

NonGsmChoice askAboutNonGsmRows(Prompter& prompter, const NonGsmRows& found)
{
    QString text = describeNonGsmRows(found) + QStringLiteral("\n\n") +
                   tr("With \"Enable non-English (Unicode) characters support\" off they cannot "
                      "go on air as written.") +
                   QStringLiteral("\n\n") +
                   tr("Sent as Unicode, these rows take %1 SMS in place of %2.")
                       .arg(found.unicodeParts)
                       .arg(found.gsmParts);
    if (found.unknown == 1)
        text += QStringLiteral("\n") + tr("Replaced by the nearest GSM letters, 1 character with "
                                          "no near letter becomes \"?\".");
    else if (found.unknown > 1)
        text += QStringLiteral("\n") + tr("Replaced by the nearest GSM letters, %1 characters "
                                          "with no near letter become \"?\".")
                                           .arg(found.unknown);
    const int chosen = prompter.choose(
        tr("Confirm"), text,
        {tr("Send as Unicode"), tr("Replace with nearest GSM letters"), tr("Back to the list")});
    switch (chosen) {
    case 0:
        return NonGsmChoice::SendAsUnicode;
    case 1:
        return NonGsmChoice::Replace;
    default:
        return NonGsmChoice::Back;
    }
}

void replaceNonGsmCharacters(RecipientList& list, const QList<int>& rows)
{
    for (const int row : rows) {
        RecipientRow recipient = list.at(row);
        recipient.Message = replaceWithNearestGsm(recipient.Message).text;
        list.setRecipient(row, std::move(recipient));
    }
}
