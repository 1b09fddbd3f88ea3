#pragma once

#include "outbox/OutboxAddress.h"

#include <QCommandLineOption>
#include <QString>
#include <optional>

class DataFolder;

// The --database option of the outbox commands.
QCommandLineOption outboxDatabaseOption();

// The outbox the option names (the data folder's "Outbox.sqlite" without it); nothing after a
// refusal, which has then been written to standard error.
std::optional<OutboxAddress> outboxAddressOf(const QString& text, const DataFolder& data,
                                             const QString& command);
