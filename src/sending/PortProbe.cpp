#include "sending/PortProbe.h"

#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/SimState.h"

std::optional<QString> SerialPortProbe::probe(int port)
{
    constexpr std::uint32_t ProbeTimeoutMs = 5000;
    CSMSSerialPort channel(m_ports, m_clock);
    try {
        channel.Open(port, ProbeTimeoutMs);
        channel.DiscardInput();
        // A modem that does not answer at all is left to the run, as before: only an answering
        // one is asked, so a silent port costs one time-out here.
        QString trouble;
        if (exchangeForFinal(channel, "AT+CMEE=1\r"))
            trouble = QuerySimCheck(channel).troubleText();
        channel.Close();
        if (!trouble.isEmpty())
            return trouble;
    } catch (const CSMSException& error) {
        return error.GetErrorMessage();
    }
    return std::nullopt;
}
