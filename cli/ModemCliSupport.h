#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the subcommands that talk to a modem share.

// The port number of "COM<n>" (any letter case), n from 1 to 512; nothing otherwise.
std::optional<int> parsePortText(const QString& text);

// Writes "quillon-cli <command>: <message>" to standard error and returns the usage exit code.
int refuseUsage(const QString& command, const QString& message);

// The single COM<n> positional argument of a subcommand. Nothing after a refusal, which has
// then been written to standard error (refuseUsage).
std::optional<int> singlePortArgument(const QStringList& positional, const QString& command);

// The channel time-out every interactive modem operation uses.
constexpr unsigned ModemTimeoutMs = 5000;
