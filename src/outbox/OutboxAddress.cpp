#include "outbox/OutboxAddress.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("OutboxAddress", text);
}

OutboxAddressResult refused(const QString& text)
{
    return {std::nullopt, text};
}

OutboxAddressResult postgresqlAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return refused(tr("\"%1\" is not a database address.").arg(text));
    OutboxAddress address;
    address.kind = OutboxAddress::Kind::Postgresql;
    address.host = url.host();
    address.port = url.port(-1);
    address.user = url.userName();
    address.password = url.password();
    address.database = url.path().mid(1);
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host")))
        address.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (query.hasQueryItem(QStringLiteral("user")))
        address.user = query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
    if (address.database.isEmpty() || address.database.contains(u'/'))
        return refused(tr("\"%1\" names no database (postgresql://host/database).").arg(text));
    return {address, {}};
}

} // namespace

OutboxAddressResult ParseOutboxAddress(const QString& text, const QString& defaultFile)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u"postgresql://") || trimmed.startsWith(u"postgres://"))
        return postgresqlAddress(trimmed);
    OutboxAddress address;
    address.file = trimmed.startsWith(u"sqlite:") ? trimmed.mid(7) : trimmed;
    if (trimmed.isEmpty())
        address.file = defaultFile;
    if (address.file.isEmpty())
        return refused(tr("\"%1\" names no database file.").arg(text));
    if (trimmed.contains(u"://"))
        return refused(
            tr("\"%1\": only postgresql:// addresses and SQLite files are known.").arg(text));
    return {address, {}};
}
