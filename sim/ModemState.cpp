#include "sim/ModemState.h"

#include <utility>

namespace sim {

ModemState::ModemState(ModemProfile modemProfile)
    : profile(std::move(modemProfile)), smsc(profile.smsc), pin(profile.pin)
{
    if (profile.simMissing)
        sim = SimStatus::Missing;
    else if (profile.simBlocked)
        sim = SimStatus::PukRequired, pinTriesLeft = 0;
    else if (!profile.pin.isEmpty())
        sim = SimStatus::PinRequired;
    factoryReset();
}

int ModemState::registrationStat() const
{
    return sim == SimStatus::Ready ? profile.registration : 0;
}

void ModemState::factoryReset()
{
    echo = profile.echo;
    errorMode = 0;
    messageFormat = profile.pduMode ? 0 : 1;
    charset = profile.charset;
    textParameters = TextParameters{};
}

void ModemState::receive(InboxEntry entry)
{
    if (profile.directDelivery) {
        handedOver.push_back(std::move(entry));
        handOverNext();
        return;
    }
    heldByNetwork.push_back(std::move(entry));
    deliverHeld();
}

void ModemState::deliverHeld()
{
    int index = 1;
    while (!heldByNetwork.empty() && index <= profile.storage) {
        if (inbox.count(index)) {
            ++index;
            continue;
        }
        inbox[index] = std::move(heldByNetwork.front());
        heldByNetwork.pop_front();
        if (newMessageIndication != 0)
            pendingIndications.append("+CMTI: \"SM\"," + QByteArray::number(index));
    }
}

void ModemState::handOverNext()
{
    while (!handedOver.empty() && !awaitingAcknowledgement) {
        const QList<QByteArray> lines =
            directDeliveryLines(handedOver.front(), messageFormat == 0, charset);
        handedOver.pop_front();
        pendingIndications.append(lines.join("\r\n"));
        awaitingAcknowledgement = profile.directNeedsAck;
    }
}

bool ModemState::supportsCharset(const QString& name) const
{
    return profile.charsets.contains(name, Qt::CaseInsensitive);
}

CommandOutcome CommandOutcome::ok(QList<QByteArray> lines)
{
    CommandOutcome outcome;
    outcome.lines = std::move(lines);
    return outcome;
}

CommandOutcome CommandOutcome::error()
{
    CommandOutcome outcome;
    outcome.final = "ERROR";
    return outcome;
}

CommandOutcome CommandOutcome::cmsError(int code)
{
    CommandOutcome outcome;
    outcome.final = "+CMS ERROR: " + QByteArray::number(code);
    return outcome;
}

CommandOutcome CommandOutcome::cmeError(const ModemState& state, int code)
{
    if (state.errorMode == 0)
        return error();
    CommandOutcome outcome;
    outcome.final = "+CME ERROR: " + QByteArray::number(code);
    return outcome;
}

} // namespace sim
