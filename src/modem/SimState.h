#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string_view>

class ModemChannel;

// What AT+CPIN? says of the SIM.
enum class SimLock
{
    Unknown, // no usable answer, or a lock this program does not name (PH-SIM PIN, ...)
    Ready,
    PinRequired,
    PukRequired,
    NotInserted
};

// The SIM and network state of a modem, as far as it answered.
struct SimCheck
{
    SimLock lock = SimLock::Unknown;
    std::optional<bool> registered; // nothing when neither AT+CREG? nor AT+CGREG? answered

    // Whether a message could go out: nothing known against it.
    // "SIM PIN required", "SIM PUK required", "SIM not inserted", "Not registered on a network",
    // or empty for a modem that is fine (or said nothing).
    QString troubleText() const;
    bool operator==(const SimCheck&) const = default;
};

namespace SimText {
QString pinRequired();
QString pukRequired();
QString notInserted();
QString notRegistered();
// Whether text is one of the four above.
bool isTrouble(const QString& text);
} // namespace SimText

// The answer to AT+CPIN?: only its "+CPIN:" line or its final error counts, so unsolicited
// lines around it change nothing.
SimLock simLockOfReply(const QString& reply);

// The <stat> of an AT+CREG? (prefix "+CREG") or AT+CGREG? ("+CGREG") answer, read from the line
// "<prefix>: <n>,<stat>[,...]" only; an unsolicited "+CREG: <stat>[,"lac",...]" line has no
// second unquoted number and is not taken for it.
std::optional<int> registrationOfReply(const QString& reply, QStringView prefix);
// Registered on the home network (1) or roaming (5).
bool isRegisteredStat(int stat);

// The PIN tries left, from an AT+CPINR="SIM PIN" answer ("+CPINR: SIM PIN,<left>,<default>");
// nothing when the answer does not say.
std::optional<int> pinTriesOfReply(const QString& reply);

// Writes command and reads up to its final result line (OK, ERROR, +CME ERROR, +CMS ERROR),
// wherever the reads break it up. The whole reply, or nothing after a time-out.
std::optional<QString> exchangeForFinal(ModemChannel& port, std::string_view command);

// AT+CPIN?, then (unless the SIM is missing or locked) AT+CREG? and AT+CGREG?.
SimCheck QuerySimCheck(ModemChannel& port);

// AT+CPINR="SIM PIN": the tries the SIM has left, when the modem tells.
std::optional<int> QueryPinTries(ModemChannel& port);

// What entering a PIN came to.
enum class PinEntry
{
    Accepted,
    Refused,  // wrong PIN (or the modem refused it)
    NoAnswer, // time-out: whether the SIM counted a try is not known
};
// AT+CPIN="pin" once; never retried here, since every wrong try brings the PUK closer.
PinEntry EnterPin(ModemChannel& port, const QString& pin);
