#include "app/MainWindowSession.h"

#include "stores/DataFolder.h"

MainWindowSession::MainWindowSession(const DataFolder& data, const Clock& clock, PortMap ports)
    : m_data(data), m_clock(clock), m_ports(std::move(ports)),
      m_submitter(clock, m_references, &m_sendOptions, &m_devices.details()),
      m_probe(m_ports, clock), m_sentItems(data), m_templateStore(data),
      m_sentTemplates(m_templateStore), m_reportStore(data),
      m_sentItemDeliveries(m_reportStore, m_devices, m_ports, clock), m_channels(m_ports, clock)
{}

SendingContext MainWindowSession::sendingContext(Prompter& prompter, RunHost* host,
                                                 ProcessStatusExport* exports)
{
    SendingContext context{m_runState, m_runOptions, m_devices,    m_channels,  m_submitter,
                           m_clock,    prompter,     m_recipients, m_exclusions};
    context.sentItems = &m_sentItems;
    context.templates = &m_sentTemplates;
    context.exports = exports;
    context.host = host;
    if (m_sendOptions.deliveryReports()) {
        m_deliveries = std::make_unique<DeliveryTracker>(&m_reportStore);
        context.deliveries = m_deliveries.get();
    }
    return context;
}

std::optional<QString> MainWindowSession::reloadSentTemplates()
{
    FileError error;
    if (m_sentTemplates.reload(&error))
        return std::nullopt;
    return FileErrorText(error);
}
