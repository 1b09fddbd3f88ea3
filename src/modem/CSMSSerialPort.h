#pragma once

#include "modem/ModemChannel.h"
#include "modem/ReplyCollector.h"
#include "modem/UniqueFd.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string_view>
#include <termios.h>

class Clock;
class PortMap;

// The serial channel to one modem: opens a numbered port with fixed line settings, writes AT
// commands and collects the replies until an expected token turns up or the line stays quiet
// for the channel time-out. Synchronous, for worker threads; one thread uses an object at a time.
//
// A port is held exclusively (TIOCEXCL plus an flock on the device itself, so a symlink and its
// target are the same port and even root cannot open it twice). System failures throw
// CSMSException with SystemErrorBase | errno.
class CSMSSerialPort : public ModemChannel
{
public:
    static constexpr std::uint32_t DefaultTimeoutMs = 15000;
    static constexpr std::size_t ReadBlockSize = 4096;

    CSMSSerialPort(const PortMap& ports, const Clock& clock);
    ~CSMSSerialPort() override;
    CSMSSerialPort(const CSMSSerialPort&) = delete;
    CSMSSerialPort& operator=(const CSMSSerialPort&) = delete;

    // Does nothing for port 0. Otherwise closes what is open, opens the port and configures it.
    void Open(int portNumber, std::uint32_t timeoutMs);
    // Applies the line settings and takes timeoutMs as the channel time-out; closes on failure.
    void Configure(std::uint32_t timeoutMs);
    // False when nothing was open.
    bool Close() override;
    // The next Close puts back the line settings the port had before this channel opened it
    // (for a port that turned out to be no modem, such as a console). Cleared by each Close.
    void restoreLineSettingsOnClose() { m_restoreOnClose = true; }

    // Writes the whole buffer unless the output stays blocked for the time-out; returns the
    // count written. Raises on a closed channel and on one whose device failed in ReadUntil.
    std::size_t Write(const char* bytes, std::size_t length) override;
    using ModemChannel::Write;

    // What is buffered now, at most ReadBlockSize bytes; 0 when nothing is.
    std::size_t Read(std::span<char> buffer);

    // True when input is ready, false after timeoutMs (designed time) of silence.
    bool WaitForData(std::uint32_t timeoutMs);

    // Collects input until the token: "OK" is a whole "OK" line, ">" the prompt, any other token
    // a text the reply holds (nullptr or "": only the time-out ends it). True with the reply in
    // response() once the token is seen; false, with the reply trimmed, after a final error line
    // or a quiet time-out. Unsolicited lines never enter the reply. A device that fails
    // meanwhile (unplugged) also gives false, with an empty response, and breaks the channel
    // until it is opened again.
    //
    // A command whose wait timed out may still be answered; before the next command the
    // channel lets the line fall quiet and re-synchronises with "AT", so no answer reaches the
    // wrong command.
    bool ReadUntil(const char* token) override;
    bool ReadSubmissionResult(QByteArrayView body, std::uint32_t graceMs) override;
    QList<QByteArray> takeUnsolicited() override;
    void returnUnsolicited(const QList<QByteArray>& lines) override;

    // Drops what the device has buffered for us and what is already waiting to be read, but
    // its unsolicited lines. Does nothing on a closed or broken channel.
    void DiscardInput() override;

    const QString& response() const override { return m_response; }
    void clearResponse() override { m_response.clear(); }

    int portNumber() const override { return m_portNumber; }
    std::uint32_t timeoutMs() const { return m_timeoutMs; }
    bool isOpen() const { return m_fd.valid(); }
    // The errno that broke the channel during ReadUntil, if any.
    std::optional<int> failure() const override { return m_failure; }

    // Designed time the line must stay quiet before a command that follows a time-out.
    static constexpr std::uint32_t ResyncQuietMs = 300;
    static constexpr std::size_t MaxUnsolicitedKept = 1000;

private:
    std::size_t writeAll(const char* bytes, std::size_t length);
    bool collect(ReplyCollector& collector, std::uint32_t quietMs);
    void keepUnsolicited(const ReplyCollector& collector);
    void resynchronise();
    void drainQuietly(std::uint32_t quietMs);
    int usableError() const;
    int pollFor(short events, std::uint32_t timeoutMs, bool& ready) const;
    int readSome(std::span<char> buffer, std::size_t& count) const;
    bool failReadUntil(int errorNumber);
    [[noreturn]] void failConfigure(int errorNumber);

    const PortMap& m_ports;
    const Clock& m_clock;
    UniqueFd m_fd;
    std::uint32_t m_timeoutMs = DefaultTimeoutMs;
    int m_portNumber = 0;
    QString m_response;
    std::optional<int> m_failure;
    QByteArray m_answerPrefix; // of the command in flight
    bool m_unsettled = false;  // a wait timed out: its answer may still come
    bool m_silent = false;     // not even "AT" was answered since
    std::deque<QByteArray> m_unsolicited;
    ReplyCollector::Carry m_carry;
    std::optional<termios> m_settingsBeforeOpen;
    bool m_restoreOnClose = false;
};
