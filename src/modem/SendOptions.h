#pragma once

#include <QString>
#include <atomic>

// The main window's options that every submission reads when it starts: the message type,
// the Unicode option and the pace. The main window owns one and changes it from the
// user-interface thread while workers read it, so each option is an atomic of its own.
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

    bool flash() const { return m_flash; }
    bool unicode() const { return m_unicode; }
    bool fast() const { return m_fast; }

private:
    std::atomic<bool> m_flash{false};
    std::atomic<bool> m_unicode{false};
    std::atomic<bool> m_fast{false};
};
