#pragma once

#include <QString>
#include <atomic>

// The main window's options that every submission reads when it starts: the message type,
// the Unicode option, the pace and whether to ask for delivery reports. The main window owns one
// and changes it from the user-interface thread while workers read it, so each option is an atomic
// of its own.
class SendOptions
{
public:
    static constexpr const char* NotificationType = "Notification";
    static constexpr const char* StandardType = "Standard SMS";

    // "Notification" makes every message a flash message; any other type does not.
    void setMessageType(const QString& type) { m_flash = type == QLatin1String(NotificationType); }
    QString messageType() const { return QLatin1String(flash() ? NotificationType : StandardType); }

    void setFlash(bool on) { m_flash = on; }
    void setUnicode(bool on) { m_unicode = on; }
    // "Send as fast as each modem answers": no designed wait beyond the modem's answer.
    void setFast(bool on) { m_fast = on; }
    // "Request delivery reports": every submission asks the network for a status report.
    void setDeliveryReports(bool on) { m_deliveryReports = on; }
    // "Use national language tables where they save parts" (PDU mode only).
    void setNationalLanguages(bool on) { m_nationalLanguages = on; }

    bool flash() const { return m_flash; }
    bool unicode() const { return m_unicode; }
    bool fast() const { return m_fast; }
    bool deliveryReports() const { return m_deliveryReports; }
    bool nationalLanguages() const { return m_nationalLanguages; }

private:
    std::atomic<bool> m_flash{false};
    std::atomic<bool> m_unicode{false};
    std::atomic<bool> m_fast{false};
    std::atomic<bool> m_deliveryReports{false};
    std::atomic<bool> m_nationalLanguages{false};
};
