#pragma once

#include "stores/StoreHooks.h"

class Clock;
class DeliveryReportStore;
class DeviceState;
class PortMap;

// The sent-items window's "Delivery" column and "Read Delivery Reports", from the
// delivery-report store and the modems of the device choice list.
class SentItemsDeliverySource : public SentItemsDeliveries
{
public:
    SentItemsDeliverySource(DeliveryReportStore& store, const DeviceState& devices,
                            const PortMap& ports, const Clock& clock)
        : m_store(store), m_devices(devices), m_ports(ports), m_clock(clock)
    {}

    std::vector<QString> deliveryTexts(const std::vector<SentItem>& records) override;
    DeliveryReadSummary readReports() override;

private:
    DeliveryReportStore& m_store;
    const DeviceState& m_devices;
    const PortMap& m_ports;
    const Clock& m_clock;
};
