#include "devices/SimPinEntry.h"

#include "base/Prompter.h"
#include "devices/DeviceTexts.h"
#include "modem/ModemChannel.h"

#include <QRegularExpression>

PinStatus SimPinEntry::readPinStatus(ModemChannel& channel)
{
    exchangeForFinal(channel, "AT+CMEE=1\r");
    PinStatus status;
    status.sim = QuerySimCheck(channel);
    if (status.sim.lock == SimLock::PinRequired)
        status.triesLeft = QueryPinTries(channel);
    return status;
}

int SimPinEntry::triesLeft(int port, const PinStatus& status) const
{
    if (status.triesLeft)
        return *status.triesLeft;
    return std::max(0, SimTries - m_wrongTries.value(port));
}

bool SimPinEntry::confirmEntry(int port, const QString& pin, const PinStatus& status)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{4,8}$"));
    if (status.sim.lock == SimLock::Ready) {
        m_prompter.inform(DeviceText::message(), tr("The SIM of this device does not ask for a "
                                                    "PIN."));
        return false;
    }
    if (status.sim.lock != SimLock::PinRequired) {
        const QString trouble = status.sim.troubleText();
        m_prompter.inform(DeviceText::message(),
                          trouble.isEmpty() ? tr("The device did not tell the state of its SIM.")
                                            : trouble);
        return false;
    }
    if (!digits.match(pin).hasMatch()) {
        m_prompter.inform(DeviceText::message(), tr("A SIM PIN is 4 to 8 digits."));
        return false;
    }
    const int left = triesLeft(port, status);
    if (left <= 0) {
        m_prompter.inform(DeviceText::message(), SimText::pukRequired(), Prompter::Icon::Warning);
        return false;
    }
    if (left == 1)
        return m_prompter.confirm(
            DeviceText::confirmCaption(),
            tr("This is the SIM's last PIN try. A wrong PIN blocks the SIM, which then asks "
               "for its PUK.\n\nAre you sure you want to enter this PIN?"),
            Prompter::Icon::Warning);
    return true;
}

void SimPinEntry::showResult(int port, PinEntry entry, const PinStatus& after)
{
    switch (entry) {
    case PinEntry::Accepted:
        m_wrongTries.remove(port);
        m_prompter.inform(DeviceText::message(), after.sim.troubleText().isEmpty()
                                                     ? tr("The SIM accepted the PIN.")
                                                     : tr("The SIM accepted the PIN.") +
                                                           QStringLiteral("\n\n") +
                                                           after.sim.troubleText());
        return;
    case PinEntry::NoAnswer:
        // Whether the SIM counted it is not known; count it, to be safe.
        m_wrongTries[port] += 1;
        m_prompter.inform(DeviceText::message(),
                          tr("The device did not answer; the try may have been counted."),
                          Prompter::Icon::Warning);
        return;
    case PinEntry::Refused:
        break;
    }
    m_wrongTries[port] += 1;
    if (after.sim.lock == SimLock::PukRequired) {
        m_prompter.inform(DeviceText::message(),
                          tr("The SIM did not accept the PIN.") + QStringLiteral("\n\n") +
                              SimText::pukRequired(),
                          Prompter::Icon::Warning);
        return;
    }
    m_prompter.inform(
        DeviceText::message(),
        tr("The SIM did not accept the PIN. Tries left: %1.").arg(triesLeft(port, after)),
        Prompter::Icon::Warning);
}
