#pragma once

#include "outbox/OutboxAddress.h"
#include "outbox/OutboxRow.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

class Prompter;
class RecipientList;

// "Send through the shared outbox": the recipient list goes into the outbox, for the
// computers that serve it to send, in place of this computer's modems.
class OutboxPush
{
    Q_DECLARE_TR_FUNCTIONS(OutboxPush)

public:
    struct Result
    {
        int added = 0;
        QString error; // empty when every row went in
    };

    // The rows to push, after the user said yes; nothing for an empty list, an address that
    // is not usable (both said) or a No.
    static std::optional<std::vector<OutboxMessage>> confirm(const RecipientList& recipients,
                                                             const QString& address, bool flash,
                                                             bool unicode, Prompter& prompter);
    // Appends the rows in one transaction: all or none. Slow on a big list: run it off the
    // window's thread.
    static Result push(const OutboxAddress& address, const std::vector<OutboxMessage>& rows);
    // Tells the user how it went.
    static void report(const Result& result, Prompter& prompter);

    static QString caption();
};
