#include "sim/ModemState.h"
#include "sim/TextModeCodec.h"

namespace sim {

namespace {

using Kind = AtCommand::Kind;

constexpr int kInvalidPduParameter = 304;
constexpr int kInvalidTextParameter = 305;
constexpr int kOperationNotSupported = 4;
constexpr int kMaxTpduOctets = 164;
constexpr int kInternationalType = 145;
constexpr int kNationalType = 129;
constexpr int kNoAcknowledgementExpected = 340;

CommandOutcome messageService(const AtCommand& command, ModemState& state)
{
    switch (command.kind) {
    case Kind::Read:
        return CommandOutcome::ok(
            {state.profile.directNeedsAck ? "+CSMS: 1,1,1,1" : "+CSMS: 0,1,1,1"});
    case Kind::Test:
        return CommandOutcome::ok({"+CSMS: (0,1)"});
    case Kind::Action:
        return CommandOutcome::error();
    case Kind::Set:
        break;
    }
    const auto service = command.args.size() == 1 ? argumentNumber(command.args[0]) : std::nullopt;
    if (!service || (*service != 0 && *service != 1))
        return CommandOutcome::error();
    return CommandOutcome::ok({"+CSMS: 1,1,1"});
}

CommandOutcome messageFormat(const AtCommand& command, ModemState& state)
{
    const ModemProfile& p = state.profile;
    switch (command.kind) {
    case Kind::Read:
        return CommandOutcome::ok({"+CMGF: " + QByteArray::number(state.messageFormat)});
    case Kind::Test:
        return CommandOutcome::ok({p.pduMode && p.textMode ? "+CMGF: (0,1)"
                                   : p.pduMode             ? "+CMGF: (0)"
                                                           : "+CMGF: (1)"});
    case Kind::Action:
    case Kind::Set:
        break;
    }
    const auto format = command.args.empty()       ? std::optional<int>(0)
                        : command.args.size() == 1 ? argumentNumber(command.args[0])
                                                   : std::nullopt;
    if (!format || (*format == 0 && !p.pduMode) || (*format == 1 && !p.textMode) || *format < 0 ||
        *format > 1)
        return CommandOutcome::error();
    state.messageFormat = *format;
    return CommandOutcome::ok();
}

CommandOutcome serviceCentre(const AtCommand& command, ModemState& state)
{
    switch (command.kind) {
    case Kind::Read: {
        const int type =
            state.smsc.startsWith(QLatin1Char('+')) ? kInternationalType : kNationalType;
        return CommandOutcome::ok({"+CSCA: \"" + encodeForCharset(state.smsc, state.charset) +
                                   "\"," + QByteArray::number(type)});
    }
    case Kind::Test:
        return CommandOutcome::ok();
    case Kind::Action:
        return CommandOutcome::error();
    case Kind::Set:
        break;
    }
    if (command.args.empty() || command.args.size() > 2)
        return CommandOutcome::error();
    QString number = decodeNumberArgument(command.args[0].text, state.charset).trimmed();
    if (command.args.size() == 2) {
        const auto type = argumentNumber(command.args[1]);
        if (!type || *type < 0 || *type > 255)
            return CommandOutcome::error();
        if (*type == kInternationalType && !number.isEmpty() &&
            !number.startsWith(QLatin1Char('+')))
            number.prepend(QLatin1Char('+'));
    }
    state.smsc = number;
    return CommandOutcome::ok();
}

CommandOutcome textParameters(const AtCommand& command, ModemState& state)
{
    TextParameters& t = state.textParameters;
    switch (command.kind) {
    case Kind::Read:
        return CommandOutcome::ok({QStringLiteral("+CSMP: %1,%2,%3,%4")
                                       .arg(t.firstOctet)
                                       .arg(t.validity)
                                       .arg(t.protocolId)
                                       .arg(t.dcs)
                                       .toLatin1()});
    case Kind::Test:
        return CommandOutcome::ok();
    case Kind::Action:
        return CommandOutcome::error();
    case Kind::Set:
        break;
    }
    if (command.args.size() > 4)
        return CommandOutcome::error();
    TextParameters updated = t;
    int* fields[] = {&updated.firstOctet, &updated.validity, &updated.protocolId, &updated.dcs};
    for (std::size_t i = 0; i < command.args.size(); ++i) {
        if (command.args[i].text.isEmpty() && !command.args[i].quoted)
            continue; // an omitted parameter keeps its value
        const auto value = argumentNumber(command.args[i]);
        if (!value || *value < 0 || *value > 255)
            return CommandOutcome::error();
        *fields[i] = *value;
    }
    t = updated;
    return CommandOutcome::ok();
}

CommandOutcome characterSet(const AtCommand& command, ModemState& state)
{
    switch (command.kind) {
    case Kind::Read:
        return CommandOutcome::ok({"+CSCS: \"" + state.charset.toLatin1() + "\""});
    case Kind::Test: {
        QByteArray list;
        for (const QString& name : state.profile.charsets)
            list += (list.isEmpty() ? "\"" : ",\"") + name.toLatin1() + "\"";
        return CommandOutcome::ok({"+CSCS: (" + list + ")"});
    }
    case Kind::Action:
        return CommandOutcome::error();
    case Kind::Set:
        break;
    }
    if (command.args.size() != 1)
        return CommandOutcome::error();
    const QString name = QString::fromLatin1(command.args[0].text).toUpper();
    if (!state.supportsCharset(name))
        return CommandOutcome::cmeError(state, kOperationNotSupported);
    state.charset = name;
    return CommandOutcome::ok();
}

// 27.005 errors of a message that cannot go out for want of a usable SIM or network.
std::optional<int> serviceError(const ModemState& state)
{
    switch (state.sim) {
    case SimStatus::Missing:
        return 310; // SIM not inserted
    case SimStatus::PinRequired:
        return 311; // SIM PIN required
    case SimStatus::PukRequired:
        return 316; // SIM PUK required
    case SimStatus::Ready:
        break;
    }
    const int stat = state.registrationStat();
    if (stat != 1 && stat != 5)
        return 331; // no network service
    return std::nullopt;
}

CommandOutcome sendMessage(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test)
        return CommandOutcome::ok();
    if (command.kind != Kind::Set)
        return CommandOutcome::error();
    if (const auto error = serviceError(state))
        return CommandOutcome::cmsError(*error);

    PendingSubmission pending;
    pending.pduMode = state.messageFormat == 0;
    if (pending.pduMode) {
        const auto length =
            command.args.size() == 1 ? argumentNumber(command.args[0]) : std::nullopt;
        if (!length || *length < 1 || *length > kMaxTpduOctets)
            return CommandOutcome::cmsError(kInvalidPduParameter);
        pending.tpduLength = *length;
    } else {
        if (command.args.empty() || command.args.size() > 2 || !command.args[0].quoted ||
            command.args[0].text.isEmpty())
            return CommandOutcome::cmsError(kInvalidTextParameter);
        pending.destination = decodeNumberArgument(command.args[0].text, state.charset);
        if (command.args.size() == 2) {
            const auto type = argumentNumber(command.args[1]);
            if (!type)
                return CommandOutcome::cmsError(kInvalidTextParameter);
            if (*type == kInternationalType && !pending.destination.startsWith(QLatin1Char('+')))
                pending.destination.prepend(QLatin1Char('+'));
        }
    }
    CommandOutcome outcome;
    outcome.final.clear();
    outcome.submission = pending;
    return outcome;
}

// AT+CNMA: the host has the message printed last; the next one handed over may follow.
CommandOutcome acknowledgeMessage(const AtCommand& command, ModemState& state)
{
    if (command.kind == Kind::Test)
        return CommandOutcome::ok();
    if (command.kind == Kind::Read)
        return CommandOutcome::error();
    if (!state.awaitingAcknowledgement)
        return CommandOutcome::cmsError(kNoAcknowledgementExpected);
    state.awaitingAcknowledgement = false;
    ++state.acknowledgements;
    state.handOverNext();
    return CommandOutcome::ok();
}

} // namespace

const std::map<QByteArray, CommandHandler>& smsCommands()
{
    static const std::map<QByteArray, CommandHandler> table = {
        {"+CSMS", messageService},     {"+CMGF", messageFormat}, {"+CSCA", serviceCentre},
        {"+CSMP", textParameters},     {"+CSCS", characterSet},  {"+CMGS", sendMessage},
        {"+CNMA", acknowledgeMessage},
    };
    return table;
}

} // namespace sim
