#pragma once

#include <QString>
#include <optional>

class Clock;
class PortMap;

// The device check before a run: can the port be opened, and can its modem send?
class PortProbe
{
public:
    virtual ~PortProbe() = default;
    // The error text when the port cannot be opened, or the SIM trouble text (SimText) when its
    // SIM or network stands in the way; nothing when it opened (and was closed).
    virtual std::optional<QString> probe(int port) = 0;
};

// Opens the port with a 5 s time-out, asks a modem that answers for its SIM and network state
// (AT+CMEE=1, AT+CPIN?, AT+CREG?, AT+CGREG?) and closes it again.
class SerialPortProbe : public PortProbe
{
public:
    SerialPortProbe(const PortMap& ports, const Clock& clock) : m_ports(ports), m_clock(clock) {}
    std::optional<QString> probe(int port) override;

private:
    const PortMap& m_ports;
    const Clock& m_clock;
};
