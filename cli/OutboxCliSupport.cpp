#include "OutboxCliSupport.h"

#include "ModemCliSupport.h"
#include "stores/DataFolder.h"

#include <QCoreApplication>
#include <QDir>

QCommandLineOption outboxDatabaseOption()
{
    return QCommandLineOption(
        "database",
        QCoreApplication::translate(
            "OutboxCommands",
            "The outbox: an SQLite file (default: Outbox.sqlite in the data folder) or "
            "postgresql://[user@][host][:port]/database[?host=/socket/folder]."),
        QCoreApplication::translate("OutboxCommands", "ADDRESS"));
}

std::optional<OutboxAddress> outboxAddressOf(const QString& text, const DataFolder& data,
                                             const QString& command)
{
    QDir().mkpath(data.folder());
    const OutboxAddressResult parsed =
        ParseOutboxAddress(text, QDir(data.folder()).filePath(QStringLiteral("Outbox.sqlite")));
    if (!parsed.address) {
        refuseUsage(command, parsed.error);
        return std::nullopt;
    }
    return parsed.address;
}
