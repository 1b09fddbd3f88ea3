#include "outbox/OutboxPush.h"

#include "base/Prompter.h"
#include "outbox/OutboxError.h"
#include "outbox/OutboxLink.h"
#include "recipients/RecipientList.h"

#include <QDateTime>

QString OutboxPush::caption()
{
    return tr("Send through the shared outbox");
}

std::optional<std::vector<OutboxMessage>> OutboxPush::confirm(const RecipientList& recipients,
                                                              const QString& address, bool flash,
                                                              bool unicode, Prompter& prompter)
{
    if (recipients.isEmpty()) {
        prompter.inform(caption(), tr("There is no recipient in the list."),
                        Prompter::Icon::Warning);
        return std::nullopt;
    }
    const OutboxAddressResult parsed = ParseOutboxAddress(address, {});
    if (address.trimmed().isEmpty() || !parsed.address) {
        prompter.inform(caption(),
                        tr("No shared outbox is set. Set its database address with \"Shared "
                           "Outbox Settings\" first."),
                        Prompter::Icon::Warning);
        return std::nullopt;
    }
    if (!prompter.confirm(caption(),
                          tr("Add the %1 rows of the list to the shared outbox? The computers "
                             "that serve it send them; this computer's modems send none of them.")
                              .arg(recipients.count()),
                          Prompter::Icon::Question))
        return std::nullopt;
    const QString campaign =
        tr("List of %1").arg(QDateTime::currentDateTime().toString(Qt::ISODate));
    std::vector<OutboxMessage> rows;
    rows.reserve(std::size_t(recipients.count()));
    for (int i = 0; i < recipients.count(); ++i)
        rows.push_back(
            {recipients.at(i).Number, recipients.at(i).Message, flash, unicode, campaign, 0, 0});
    return rows;
}

OutboxPush::Result OutboxPush::push(const OutboxAddress& address,
                                    const std::vector<OutboxMessage>& rows)
{
    try {
        OutboxLink link(address);
        link.call([&](OutboxDatabase& database) { database.enqueue(rows); });
        return {int(rows.size()), {}};
    } catch (const OutboxError& error) {
        return {0, error.text()};
    }
}

void OutboxPush::report(const Result& result, Prompter& prompter)
{
    if (result.error.isEmpty())
        prompter.inform(caption(), tr("%1 rows were added to the shared outbox.").arg(result.added),
                        Prompter::Icon::Information);
    else
        prompter.inform(caption(),
                        tr("Nothing was added to the shared outbox: %1").arg(result.error),
                        Prompter::Icon::Error);
}
