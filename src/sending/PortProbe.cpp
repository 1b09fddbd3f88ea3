#include "sending/PortProbe.h"

#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"

std::optional<QString> SerialPortProbe::probe(int port)
{
    constexpr std::uint32_t ProbeTimeoutMs = 5000;
    CSMSSerialPort channel(m_ports, m_clock);
    try {
        channel.Open(port, ProbeTimeoutMs);
        channel.Close();
    } catch (const CSMSException& error) {
        return error.GetErrorMessage();
    }
    return std::nullopt;
}
