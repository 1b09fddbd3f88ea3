#pragma once

#include <QString>
#include <optional>

// Where the outbox lives: an SQLite file (the default, in the data folder) or a PostgreSQL
// database shared by several computers.
struct OutboxAddress
{
    enum class Kind
    {
        Sqlite,
        Postgresql
    };
    Kind kind = Kind::Sqlite;
    QString file; // SQLite
    QString host; // PostgreSQL: a name, an address or a socket folder; empty: libpq's default
    int port = -1;
    QString database, user, password;
};

struct OutboxAddressResult
{
    std::optional<OutboxAddress> address;
    QString error; // set when address is not
};

// Reads a --database text: empty for the default file, "sqlite:PATH" or a plain path for an
// SQLite file,
// "postgresql://[user[:password]@][host][:port]/database[?host=/socket/folder&user=NAME]" (or
// "postgres://") for PostgreSQL.
OutboxAddressResult ParseOutboxAddress(const QString& text, const QString& defaultFile);
