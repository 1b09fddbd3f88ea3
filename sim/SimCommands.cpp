#include "sim/ModemState.h"

namespace sim {

namespace {

using Kind = AtCommand::Kind;

// 27.007 error codes.
constexpr int kNotAllowed = 3;
constexpr int kSimNotInserted = 10;
constexpr int kIncorrectPassword = 16;

QByteArray statusText(SimStatus status)
{
    switch (status) {
    case SimStatus::Ready:
        return "READY";
    case SimStatus::PinRequired:
        return "SIM PIN";
    case SimStatus::PukRequired:
        return "SIM PUK";
    case SimStatus::Missing:
        break;
    }
    return {};
}

CommandOutcome wrongCode(ModemState& state, int& triesLeft, SimStatus whenNoneLeft)
{
    if (triesLeft > 0)
        --triesLeft;
    if (triesLeft == 0)
        state.sim = whenNoneLeft;
    return CommandOutcome::cmeError(state, kIncorrectPassword);
}

CommandOutcome enterPin(const AtCommand& command, ModemState& state)
{
    if (state.sim == SimStatus::PinRequired) {
        if (command.args.size() != 1)
            return CommandOutcome::error();
        if (QString::fromLatin1(command.args[0].text) != state.pin)
            return wrongCode(state, state.pinTriesLeft, SimStatus::PukRequired);
        state.sim = SimStatus::Ready;
        state.pinTriesLeft = ModemState::PinTries;
        return CommandOutcome::ok();
    }
    // A blocked SIM takes its PUK and a new PIN.
    if (command.args.size() != 2)
        return CommandOutcome::error();
    if (state.pukTriesLeft == 0 || QString::fromLatin1(command.args[0].text) != state.profile.puk)
        return wrongCode(state, state.pukTriesLeft, SimStatus::PukRequired);
    state.sim = SimStatus::Ready;
    state.pin = QString::fromLatin1(command.args[1].text);
    state.pinTriesLeft = ModemState::PinTries;
    state.pukTriesLeft = ModemState::PukTries;
    return CommandOutcome::ok();
}

CommandOutcome pin(const AtCommand& command, ModemState& state)
{
    if (state.sim == SimStatus::Missing)
        return CommandOutcome::cmeError(state, kSimNotInserted);
    switch (command.kind) {
    case Kind::Read:
        return CommandOutcome::ok({"+CPIN: " + statusText(state.sim)});
    case Kind::Test:
        return CommandOutcome::ok();
    case Kind::Action:
        return CommandOutcome::error();
    case Kind::Set:
        break;
    }
    if (state.sim == SimStatus::Ready)
        return CommandOutcome::cmeError(state, kNotAllowed);
    return enterPin(command, state);
}

// AT+CPINR[=<sel_code>]: the tries left for each code (wildcards as in "SIM*").
CommandOutcome pinRetries(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test)
        return CommandOutcome::ok();
    if (command.kind == Kind::Read || command.args.size() > 1)
        return CommandOutcome::error();
    if (state.sim == SimStatus::Missing)
        return CommandOutcome::cmeError(state, kSimNotInserted);
    QByteArray selection = command.args.empty() ? QByteArray("*") : command.args[0].text;
    const bool wildcard = selection.endsWith('*');
    if (wildcard)
        selection.chop(1);
    QList<QByteArray> lines;
    const std::pair<QByteArray, QByteArray> codes[] = {
        {"SIM PIN",
         QByteArray::number(state.pinTriesLeft) + "," + QByteArray::number(ModemState::PinTries)},
        {"SIM PUK",
         QByteArray::number(state.pukTriesLeft) + "," + QByteArray::number(ModemState::PukTries)}};
    for (const auto& [code, tries] : codes)
        if (wildcard ? code.startsWith(selection.toUpper()) : code == selection.toUpper())
            lines.append("+CPINR: " + code + "," + tries);
    return CommandOutcome::ok(lines);
}

CommandOutcome registration(const AtCommand& command, ModemState& state, const QByteArray& name,
                            int& report)
{
    switch (command.kind) {
    case Kind::Read:
        return CommandOutcome::ok({name + ": " + QByteArray::number(report) + "," +
                                   QByteArray::number(state.registrationStat())});
    case Kind::Test:
        return CommandOutcome::ok({name + ": (0-2)"});
    case Kind::Action:
        report = 0;
        return CommandOutcome::ok();
    case Kind::Set:
        break;
    }
    const auto mode = command.args.size() == 1 ? argumentNumber(command.args[0]) : std::nullopt;
    if (!mode || *mode < 0 || *mode > 2)
        return CommandOutcome::error();
    report = *mode;
    return CommandOutcome::ok();
}

CommandOutcome networkRegistration(const AtCommand& command, ModemState& state)
{
    return registration(command, state, "+CREG", state.registrationReport);
}

CommandOutcome gprsRegistration(const AtCommand& command, ModemState& state)
{
    return registration(command, state, "+CGREG", state.gprsRegistrationReport);
}

CommandOutcome pinRetriesIfSupported(const AtCommand& command, ModemState& state)
{
    return state.profile.pinRetriesCommand ? pinRetries(command, state) : CommandOutcome::error();
}

} // namespace

const std::map<QByteArray, CommandHandler>& simCommands()
{
    static const std::map<QByteArray, CommandHandler> table = {
        {"+CPIN", pin},
        {"+CPINR", pinRetriesIfSupported},
        {"+CREG", networkRegistration},
        {"+CGREG", gprsRegistration},
    };
    return table;
}

} // namespace sim
