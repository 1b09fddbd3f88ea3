#include "sim/AtParser.h"

#include <cctype>

namespace sim {

namespace {

bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '-' ||
           c == '!' || c == '%' || c == ':' || c == '/';
}

// Splits the arguments of a set command on commas outside double quotes.
std::optional<std::vector<AtArgument>> splitArguments(QByteArrayView text)
{
    std::vector<AtArgument> args;
    AtArgument current;
    bool inQuotes = false;
    bool sawQuote = false;
    auto finish = [&] {
        if (!sawQuote)
            current.text = current.text.trimmed();
        current.quoted = sawQuote;
        args.push_back(current);
        current = AtArgument{};
        sawQuote = false;
    };
    for (const char c : text) {
        if (c == '"') {
            inQuotes = !inQuotes;
            sawQuote = true;
        } else if (c == ',' && !inQuotes) {
            finish();
        } else if (inQuotes || c != ' ') {
            current.text.append(c);
        }
    }
    if (inQuotes)
        return std::nullopt;
    finish();
    return args;
}

class LineParser
{
public:
    explicit LineParser(QByteArrayView line) : m_line(line) {}

    std::optional<std::vector<AtCommand>> parse()
    {
        std::vector<AtCommand> commands;
        while (skipSpaces(), m_pos < m_line.size()) {
            const char c = m_line[m_pos];
            if (c == ';') {
                ++m_pos;
                continue;
            }
            auto command = (c == '+' || c == '^' || c == '$') ? extended() : basic();
            if (!command)
                return std::nullopt;
            commands.push_back(std::move(*command));
        }
        return commands;
    }

private:
    void skipSpaces()
    {
        while (m_pos < m_line.size() && m_line[m_pos] == ' ')
            ++m_pos;
    }

    char peek(qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_line.size() ? m_line[m_pos + ahead] : '\0';
    }

    std::optional<AtCommand> basic()
    {
        AtCommand command;
        if (peek() == '&') {
            command.name.append('&');
            ++m_pos;
        }
        if (!std::isalpha(static_cast<unsigned char>(peek())))
            return std::nullopt;
        command.name.append(static_cast<char>(std::toupper(static_cast<unsigned char>(peek()))));
        ++m_pos;
        while (std::isdigit(static_cast<unsigned char>(peek())))
            command.value.append(m_line[m_pos++]);
        return command;
    }

    std::optional<AtCommand> extended()
    {
        AtCommand command;
        command.name.append(m_line[m_pos++]);
        while (isNameChar(peek()))
            command.name.append(
                static_cast<char>(std::toupper(static_cast<unsigned char>(m_line[m_pos++]))));
        if (command.name.size() < 2)
            return std::nullopt;
        if (peek() == '=' && peek(1) == '?') {
            command.kind = AtCommand::Kind::Test;
            m_pos += 2;
        } else if (peek() == '?') {
            command.kind = AtCommand::Kind::Read;
            ++m_pos;
        } else if (peek() == '=') {
            command.kind = AtCommand::Kind::Set;
            ++m_pos;
            const qsizetype start = m_pos;
            bool inQuotes = false;
            while (m_pos < m_line.size() && (inQuotes || m_line[m_pos] != ';')) {
                if (m_line[m_pos] == '"')
                    inQuotes = !inQuotes;
                ++m_pos;
            }
            command.rawArgs = m_line.sliced(start, m_pos - start).toByteArray();
            auto args = splitArguments(command.rawArgs);
            if (!args)
                return std::nullopt;
            command.args = std::move(*args);
        }
        skipSpaces();
        if (m_pos < m_line.size() && m_line[m_pos] != ';')
            return std::nullopt;
        return command;
    }

    QByteArrayView m_line;
    qsizetype m_pos = 0;
};

} // namespace

std::optional<std::vector<AtCommand>> parseAtCommands(QByteArrayView line)
{
    return LineParser(line).parse();
}

std::optional<int> argumentNumber(const AtArgument& argument)
{
    if (argument.quoted || argument.text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = argument.text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace sim
