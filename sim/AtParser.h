#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

namespace sim {

struct AtArgument
{
    QByteArray text; // without its double quotes
    bool quoted = false;
};

// One command of a command line: a basic command ("E1", "&F") or an extended one ("+CMGF=0").
struct AtCommand
{
    enum class Kind
    {
        Action,
        Read,
        Test,
        Set
    };

    QByteArray name; // upper case, with its prefix: "E", "&F", "+CMGF"
    Kind kind = Kind::Action;
    QByteArray value; // basic commands: the digits after the name
    std::vector<AtArgument> args;
    QByteArray rawArgs; // set commands: everything after '='
};

// Parses what follows "AT" on a command line: basic commands run together, extended commands
// separated by ';'. Nothing on a syntax error.
std::optional<std::vector<AtCommand>> parseAtCommands(QByteArrayView line);

// An argument as a number; nothing when it is empty, quoted or not a number.
std::optional<int> argumentNumber(const AtArgument& argument);

} // namespace sim
