#include "sim/ModemState.h"
#include "sim/TextModeCodec.h"

namespace sim {

namespace {

using Kind = AtCommand::Kind;

bool isDefaultOr(const AtCommand& command, const char* accepted)
{
    return command.value.isEmpty() || command.value == accepted;
}

CommandOutcome echo(const AtCommand& command, ModemState& state)
{
    if (isDefaultOr(command, "0"))
        state.echo = false;
    else if (command.value == "1")
        state.echo = true;
    else
        return CommandOutcome::error();
    return CommandOutcome::ok();
}

CommandOutcome factoryReset(const AtCommand& command, ModemState& state)
{
    if (!isDefaultOr(command, "0"))
        return CommandOutcome::error();
    state.factoryReset();
    return CommandOutcome::ok();
}

CommandOutcome verbose(const AtCommand& command, ModemState&)
{
    // Only verbose result codes are simulated.
    return command.value == "1" ? CommandOutcome::ok() : CommandOutcome::error();
}

CommandOutcome quiet(const AtCommand& command, ModemState&)
{
    return isDefaultOr(command, "0") ? CommandOutcome::ok() : CommandOutcome::error();
}

CommandOutcome information(const AtCommand&, ModemState& state)
{
    const ModemProfile& p = state.profile;
    return CommandOutcome::ok(
        {p.manufacturer.toLatin1(), p.model.toLatin1(), ("Revision: " + p.revision).toLatin1()});
}

CommandOutcome errorMode(const AtCommand& command, ModemState& state)
{
    switch (command.kind) {
    case Kind::Read:
        return CommandOutcome::ok({"+CMEE: " + QByteArray::number(state.errorMode)});
    case Kind::Test:
        return CommandOutcome::ok({"+CMEE: (0-2)"});
    case Kind::Action:
        state.errorMode = 0;
        return CommandOutcome::ok();
    case Kind::Set:
        break;
    }
    const auto mode = command.args.size() == 1 ? argumentNumber(command.args[0]) : std::nullopt;
    if (!mode || *mode < 0 || *mode > 2)
        return CommandOutcome::error();
    state.errorMode = *mode;
    return CommandOutcome::ok();
}

// An identity query: answered in its action form, "Undefined" for the short forms when the
// profile says so.
CommandOutcome identity(const AtCommand& command, const QString& value, bool legacyForm,
                        const ModemState& state)
{
    if (command.kind == Kind::Test)
        return CommandOutcome::ok();
    if (command.kind != Kind::Action)
        return CommandOutcome::error();
    if (legacyForm && state.profile.legacyUndefined)
        return CommandOutcome::ok({"Undefined"});
    return CommandOutcome::ok({value.toLatin1()});
}

CommandOutcome manufacturer(const AtCommand& c, ModemState& s)
{
    return identity(c, s.profile.manufacturer, c.name == "+GMI", s);
}

CommandOutcome model(const AtCommand& c, ModemState& s)
{
    return identity(c, s.profile.model, c.name == "+GMM", s);
}

CommandOutcome revision(const AtCommand& c, ModemState& s)
{
    return identity(c, s.profile.revision, c.name == "+GMR", s);
}

CommandOutcome serialNumber(const AtCommand& c, ModemState& s)
{
    return identity(c, s.profile.imei, c.name == "+GSN", s);
}

CommandOutcome subscriberId(const AtCommand& c, ModemState& s)
{
    return identity(c, s.profile.imsi, false, s);
}

CommandOutcome battery(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test)
        return CommandOutcome::ok({"+CBC: (0-3),(0-100)"});
    if (command.kind != Kind::Action)
        return CommandOutcome::error();
    return CommandOutcome::ok({"+CBC: " + QByteArray(state.profile.charging ? "1" : "0") + "," +
                               QByteArray::number(state.profile.batteryLevel)});
}

CommandOutcome networkOperator(const AtCommand& command, ModemState& state)
{
    const QByteArray name = encodeForCharset(state.profile.operatorName, state.charset);
    switch (command.kind) {
    case Kind::Read:
        if (state.profile.operatorName.isEmpty())
            return CommandOutcome::ok({"+COPS: 0"});
        return CommandOutcome::ok({"+COPS: 0,0,\"" + name + "\""});
    case Kind::Test:
        return CommandOutcome::ok(
            {"+COPS: (2,\"" + name + "\",\"" + name + "\",\"00101\"),,(0-4),(0-2)"});
    case Kind::Action:
    case Kind::Set:
        break;
    }
    return CommandOutcome::ok();
}

CommandOutcome signalQuality(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test)
        return CommandOutcome::ok({"+CSQ: (0-31,99),(0-7,99)"});
    if (command.kind != Kind::Action)
        return CommandOutcome::error();
    return CommandOutcome::ok({"+CSQ: " + QByteArray::number(state.profile.signal) + ",99"});
}

} // namespace

const std::map<QByteArray, CommandHandler>& generalCommands()
{
    static const std::map<QByteArray, CommandHandler> table = {
        {"E", echo},
        {"&F", factoryReset},
        {"Z", factoryReset},
        {"V", verbose},
        {"Q", quiet},
        {"I", information},
        {"+CMEE", errorMode},
        {"+CGMI", manufacturer},
        {"+GMI", manufacturer},
        {"+CGMM", model},
        {"+GMM", model},
        {"+CGMR", revision},
        {"+GMR", revision},
        {"+CGSN", serialNumber},
        {"+GSN", serialNumber},
        {"+CIMI", subscriberId},
        {"+CBC", battery},
        {"+COPS", networkOperator},
        {"+CSQ", signalQuality},
    };
    return table;
}

} // namespace sim
