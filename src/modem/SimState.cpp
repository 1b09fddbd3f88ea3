#include "modem/SimState.h"

#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "modem/UnsolicitedLines.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SimState", text);
}

QStringList replyLines(const QString& reply)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]+"));
    QStringList lines;
    for (const QString& line : reply.split(lineBreak, Qt::SkipEmptyParts))
        if (const QString trimmed = line.trimmed(); !trimmed.isEmpty())
            lines.append(trimmed);
    return lines;
}

// The value after "<prefix>:" of the first line that starts with it.
std::optional<QString> valueOfLine(const QString& reply, QStringView prefix)
{
    const QString head = prefix.toString() + u':';
    for (const QString& line : replyLines(reply))
        if (line.startsWith(head, Qt::CaseInsensitive))
            return line.mid(head.size()).trimmed();
    return std::nullopt;
}

// The final results the channel's own wait ends on.
bool isFinalLine(const QString& line)
{
    return line == u"OK" || isFinalErrorLine(line.toLatin1());
}

std::optional<int> plainNumber(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

SimLock lockOfError(const QString& error)
{
    const QString detail = error.mid(error.indexOf(u':') + 1).trimmed();
    const std::optional<int> code = plainNumber(detail);
    if (code == 10 || code == 13 || detail.startsWith(u"SIM not inserted", Qt::CaseInsensitive) ||
        detail.startsWith(u"SIM failure", Qt::CaseInsensitive))
        return SimLock::NotInserted;
    if (code == 11 || detail.compare(u"SIM PIN required", Qt::CaseInsensitive) == 0)
        return SimLock::PinRequired;
    if (code == 12 || detail.compare(u"SIM PUK required", Qt::CaseInsensitive) == 0)
        return SimLock::PukRequired;
    return SimLock::Unknown;
}

} // namespace

namespace SimText {
QString pinRequired()
{
    return tr("SIM PIN required");
}
QString pukRequired()
{
    return tr("SIM PUK required");
}
QString notInserted()
{
    return tr("SIM not inserted");
}
QString notRegistered()
{
    return tr("Not registered on a network");
}
bool isTrouble(const QString& text)
{
    return text == pinRequired() || text == pukRequired() || text == notInserted() ||
           text == notRegistered();
}
} // namespace SimText

QString SimCheck::troubleText() const
{
    switch (lock) {
    case SimLock::PinRequired:
        return SimText::pinRequired();
    case SimLock::PukRequired:
        return SimText::pukRequired();
    case SimLock::NotInserted:
        return SimText::notInserted();
    case SimLock::Ready:
    case SimLock::Unknown:
        break;
    }
    return registered == false ? SimText::notRegistered() : QString();
}

SimLock simLockOfReply(const QString& reply)
{
    if (const std::optional<QString> value = valueOfLine(reply, u"+CPIN")) {
        const QString code = value->toUpper().remove(u'"').trimmed();
        if (code == u"READY" || code == u"SIM PIN2" || code == u"SIM PUK2")
            return SimLock::Ready; // PIN2 guards only a few phone-book functions
        if (code == u"SIM PIN")
            return SimLock::PinRequired;
        if (code == u"SIM PUK")
            return SimLock::PukRequired;
        return SimLock::Unknown;
    }
    for (const QString& line : replyLines(reply))
        if (line.startsWith(u"+CME ERROR:"))
            return lockOfError(line);
    return SimLock::Unknown;
}

std::optional<int> registrationOfReply(const QString& reply, QStringView prefix)
{
    const QString head = prefix.toString() + u':';
    for (const QString& line : replyLines(reply)) {
        if (!line.startsWith(head, Qt::CaseInsensitive))
            continue;
        const QStringList fields = line.mid(head.size()).split(u',');
        if (fields.size() < 2 || !plainNumber(fields[0]))
            continue;
        if (const std::optional<int> stat = plainNumber(fields[1]))
            return stat;
    }
    return std::nullopt;
}

bool isRegisteredStat(int stat)
{
    return stat == 1 || stat == 5;
}

std::optional<int> pinTriesOfReply(const QString& reply)
{
    for (const QString& line : replyLines(reply)) {
        if (!line.startsWith(u"+CPINR:", Qt::CaseInsensitive))
            continue;
        const QStringList fields = line.mid(7).split(u',');
        if (fields.size() >= 2 &&
            fields[0].trimmed().remove(u'"').compare(u"SIM PIN", Qt::CaseInsensitive) == 0)
            return plainNumber(fields[1]);
    }
    return std::nullopt;
}

std::optional<QString> exchangeForFinal(ModemChannel& port, std::string_view command)
{
    // The channel's wait ends at the final result, "OK" or an error line.
    if (sendCommand(port, command))
        return port.response();
    const QString reply = port.response();
    for (const QString& line : replyLines(reply))
        if (isFinalLine(line))
            return reply;
    return std::nullopt;
}

SimCheck QuerySimCheck(ModemChannel& port)
{
    SimCheck check;
    if (const std::optional<QString> reply = exchangeForFinal(port, "AT+CPIN?\r"))
        check.lock = simLockOfReply(*reply);
    if (check.lock != SimLock::Ready && check.lock != SimLock::Unknown)
        return check; // a missing or locked SIM is registered nowhere
    for (const auto& [command, prefix] :
         {std::pair{"AT+CREG?\r", u"+CREG"}, std::pair{"AT+CGREG?\r", u"+CGREG"}}) {
        const std::optional<QString> reply = exchangeForFinal(port, command);
        const std::optional<int> stat =
            reply ? registrationOfReply(*reply, QStringView(prefix)) : std::nullopt;
        if (!stat)
            continue;
        check.registered = check.registered.value_or(false) || isRegisteredStat(*stat);
        if (*check.registered)
            break;
    }
    return check;
}

std::optional<int> QueryPinTries(ModemChannel& port)
{
    const std::optional<QString> reply = exchangeForFinal(port, "AT+CPINR=\"SIM PIN\"\r");
    return reply ? pinTriesOfReply(*reply) : std::nullopt;
}

PinEntry EnterPin(ModemChannel& port, const QString& pin)
{
    const std::string command = "AT+CPIN=\"" + pin.toStdString() + "\"\r";
    const std::optional<QString> reply = exchangeForFinal(port, command);
    if (!reply)
        return PinEntry::NoAnswer;
    for (const QString& line : replyLines(*reply))
        if (line == u"OK")
            return PinEntry::Accepted;
    return PinEntry::Refused;
}
